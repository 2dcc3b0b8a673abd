#pragma once

#include "SortStyles.h"

#include <QObject>
#include <QString>

#include <functional>

enum TPrintRange : std::uint8_t { prAll, prSelected };

// How the grid sorts its data rows; stored with the grid's other settings.
struct TSortOptions
{
    Q_GADGET
    Q_PROPERTY(bool CanSort MEMBER CanSort)
    Q_PROPERTY(QString SecondaryIndex MEMBER SecondaryIndex)
    Q_PROPERTY(TSortStyle SortStyle MEMBER SortStyle)
    Q_PROPERTY(bool SortCaseSensitive MEMBER SortCaseSensitive)
    Q_PROPERTY(int SortCol MEMBER SortCol)
    Q_PROPERTY(TSortDirection SortDirection MEMBER SortDirection)
    Q_PROPERTY(bool UpdateOnSizeChange MEMBER UpdateOnSizeChange)

public:
    bool CanSort = true;
    QString SecondaryIndex;
    TSortStyle SortStyle = ssNormal;
    bool SortCaseSensitive = false;
    int SortCol = 0;
    TSortDirection SortDirection = sdAscending;
    bool UpdateOnSizeChange = false;
    // Comparison for ssCustom: the owner sets it before asking for a sort;
    // it gets the two key texts (folded unless SortCaseSensitive) and answers
    // negative, zero or positive. Not a stored setting: every sort clears it.
    std::function<int(const QString &, const QString &)> SortCompare;

    bool operator==(const TSortOptions &o) const
    {
        return CanSort == o.CanSort && SecondaryIndex == o.SecondaryIndex && SortStyle == o.SortStyle
            && SortCaseSensitive == o.SortCaseSensitive && SortCol == o.SortCol && SortDirection == o.SortDirection
            && UpdateOnSizeChange == o.UpdateOnSizeChange;
    }
};

// Print settings kept with the grid; the grid itself neither prints nor
// previews.
struct TPrintOptions
{
    Q_GADGET
    Q_PROPERTY(QString JobTitle MEMBER JobTitle)
    Q_PROPERTY(QString PageTitle MEMBER PageTitle)
    Q_PROPERTY(unsigned Copies MEMBER Copies)
    Q_PROPERTY(TPrintRange PrintRange MEMBER PrintRange)
    Q_PROPERTY(unsigned FromRow MEMBER FromRow)
    Q_PROPERTY(unsigned ToRow MEMBER ToRow)
    Q_PROPERTY(unsigned PreviewPage MEMBER PreviewPage)

public:
    QString JobTitle;
    QString PageTitle;
    unsigned Copies = 0;
    TPrintRange PrintRange = prAll;
    unsigned FromRow = 0;
    unsigned ToRow = 0;
    unsigned PreviewPage = 0;

    bool operator==(const TPrintOptions &) const = default;
};
