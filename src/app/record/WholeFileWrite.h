#pragma once

#include <QByteArray>
#include <QString>

#include <system_error>

// Writes `bytes` to `path` whole or not at all: every write and the sync to
// the disk are checked before the new content replaces the old, so a full
// disk or a failing drive leaves the file as its last whole version (and no
// file where there was none). On failure returns false with `error` set to
// the system's reason in the user's words ("Datenträger voll"). Any thread.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString &error);

// The reason for a failed write in the user's words.
QString WriteFailureText(const std::error_code &error);
