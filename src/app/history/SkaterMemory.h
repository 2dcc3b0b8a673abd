#pragma once

#include <QString>

// The skater's name of the last race started, kept in a small text file
// beside the races folder, so that the name comes back after the program
// ended without its settings being stored (a crash, a power cut).
class SkaterMemory
{
public:
    // `racesFolder`: the races' folder; the file lies in its parent.
    explicit SkaterMemory(const QString &racesFolder);

    const QString &path() const { return m_path; }
    // The name stored; empty when there is none or it cannot be read.
    QString read() const;
    // Stores `name` whole or not at all; false when it could not be stored.
    bool write(const QString &name) const;

private:
    QString m_path;
};
