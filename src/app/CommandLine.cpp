#include "CommandLine.h"

#include "ProgramInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

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

bool AsksForProgramInfo(int argc, const char *const *argv)
{
    // The options of addHelpOption and addVersionOption.
    static constexpr const char *kInfoOptions[] = {"-h", "-?", "--help", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        // What follows "--" are arguments, not options.
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char *option : kInfoOptions)
            if (std::strcmp(argv[i], option) == 0)
                return true;
    }
    return false;
}

void UseHeadlessPlatform()
{
    // "minimal" comes with Qt's GUI library itself and opens no display.
    qputenv("QT_QPA_PLATFORM", "minimal");
}
