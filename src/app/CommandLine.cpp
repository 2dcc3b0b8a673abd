#include "CommandLine.h"

#include "ProgramInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

void PrintError(const QString &text)
{
    const QString line = QCoreApplication::applicationName() + QStringLiteral(": ") + text + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

} // namespace

std::optional<int> ReadCommandLine()
{
    QCoreApplication::setApplicationVersion(ProgramVersion());
    QCommandLineParser parser;
    parser.setApplicationDescription(ProgramSummary());
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        PrintError(parser.errorText());
        return 1;
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        PrintError(QCoreApplication::translate("CommandLine", "Unbekanntes Argument „%1“.").arg(extra.first()));
        return 1;
    }
    // Help and version: printed, and the program ends there (Qt's own exit).
    parser.process(QCoreApplication::arguments());
    return std::nullopt;
}
