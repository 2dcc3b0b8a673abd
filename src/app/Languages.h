#pragma once

#include "SettingsStore.h"

#include <QObject>
#include <QString>
#include <QTranslator>

#include <string>

// The program's languages: German, in which its texts are written, and the
// translations built into it. The stored "Language" value is the index here.
enum class Language { German = 0, English = 1, Dutch = 2 };

inline constexpr int kLanguageCount = 3;

// The language's code in file names ("de", "en", "nl").
QString LanguageCode(Language language);
// The language's name in itself, as the choice offers it ("Deutsch",
// "English", "Nederlands").
QString LanguageName(Language language);
// The stored value as a language; German for anything out of range.
Language LanguageFromValue(int value);

// The stored language, read with the other settings under `key`; German
// when none is stored (or the values before it are not).
Language StoredLanguage(rundaro::SettingsStore &store, const std::string &key);

// The translators of one language on the application: the program's own
// texts (built in) and Qt's for its dialogs (the translations folder of Qt,
// beside the program on Windows). German installs Qt's German alone.
// Installing another language replaces the one before.
class Translations : public QObject
{
    Q_OBJECT

public:
    explicit Translations(QObject *parent = nullptr);
    ~Translations() override;

    // Returns false when the program's own translation could not be loaded
    // (its texts then stay German); Qt's own are taken where present.
    bool install(Language language);

    // Where Qt's translations are looked for.
    static QString qtTranslationsFolder();

private:
    void removeAll();

    QTranslator m_program;
    QTranslator m_qt;
    Q_DISABLE_COPY(Translations)
};
