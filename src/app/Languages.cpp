#include "Languages.h"

#include "SettingsOrder.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

struct LanguageEntry
{
    const char *code;
    const char *name;
};

// Each language's name stays in its own language, whichever is in force.
constexpr LanguageEntry kLanguages[kLanguageCount] = {
    {"de", "Deutsch"},
    {"en", "English"},
    {"nl", "Nederlands"},
};

const LanguageEntry &entryOf(Language language)
{
    return kLanguages[static_cast<int>(language)];
}

} // namespace

QString LanguageCode(Language language)
{
    return QString::fromLatin1(entryOf(language).code);
}

QString LanguageName(Language language)
{
    return QString::fromUtf8(entryOf(language).name);
}

Language LanguageFromValue(int value)
{
    return value > 0 && value < kLanguageCount ? static_cast<Language>(value) : Language::German;
}

Language StoredLanguage(rundaro::SettingsStore &store, const std::string &key)
{
    int stored = 0;
    // Settings that cannot be read leave the program in German; the window
    // reports them when it reads them itself.
    try {
        rundaro::ReadSettings(store, key, [&stored](rundaro::Setting setting, std::int32_t value) {
            if (setting == rundaro::Setting::Language)
                stored = value;
        });
    } catch (...) {
    }
    return LanguageFromValue(stored);
}

Translations::Translations(QObject *parent)
    : QObject(parent)
{
}

Translations::~Translations()
{
    removeAll();
}

QString Translations::qtTranslationsFolder()
{
#ifdef Q_OS_WIN
    // The Windows package carries Qt's translations beside the program.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

void Translations::removeAll()
{
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
}

bool Translations::install(Language language)
{
    removeAll();
    const QString code = LanguageCode(language);
    if (m_qt.load(QStringLiteral("qtbase_") + code, qtTranslationsFolder()))
        QCoreApplication::installTranslator(&m_qt);
    if (language == Language::German)
        return true;
    if (!m_program.load(QStringLiteral(":/translations/rundaro_") + code))
        return false;
    QCoreApplication::installTranslator(&m_program);
    return true;
}
