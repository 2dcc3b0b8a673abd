#include "WholeFileWrite.h"

#include "WholeFileReplace.h"

#include <QCoreApplication>
#include <QFile>

#include <string_view>

bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString &error)
{
#ifdef Q_OS_WIN
    const std::filesystem::path file(path.toStdWString());
#else
    // The name's bytes as the system takes them.
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
#endif
    const std::error_code failure
        = rundaro::ReplaceWholeFile(file, std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!failure)
        return true;
    error = WriteFailureText(failure);
    return false;
}

QString WriteFailureText(const std::error_code &error)
{
    if (rundaro::IsDiskFull(error))
        return QCoreApplication::translate("WholeFileWrite", "Datenträger voll");
    if (error == std::errc::read_only_file_system)
        return QCoreApplication::translate("WholeFileWrite", "Datenträger schreibgeschützt");
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return QCoreApplication::translate("WholeFileWrite", "keine Schreibberechtigung");
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
        return QCoreApplication::translate("WholeFileWrite", "Ordner nicht vorhanden");
    if (error == std::errc::io_error)
        return QCoreApplication::translate("WholeFileWrite", "Schreibfehler auf dem Datenträger");
    // Anything else in the system's own words.
    return QString::fromLocal8Bit(error.message());
}
