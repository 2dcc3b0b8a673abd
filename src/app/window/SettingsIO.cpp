// The window's stored settings: the race set-up, the port with its polarity,
// the window's position and size, whether the race sounds are on, the
// full-screen display's screen, whether it shows the last lap, whether
// the call-outs are on, the language and whether the board at the line is
// on, read at start and written at exit, also when the session ends, and
// when a race starts.
#include "Main.h"

#include "Application.h"

#include "Comms.h"
#include "FlEdit.h"
#include "Languages.h"
#include "Numbers.h"
#include "ScreenChoice.h"
#include "SettingsOrder.h"
#include "SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QSessionManager>

#include <algorithm>

using rundaro::Setting;

namespace {

// The start allowance is kept in thousandths of a second.
constexpr rundaro::Real kDopTimeScale = 1000;

} // namespace

void TFormMain::ReadSettings()
{
    // Values that cannot be read end the reading silently.
    std::int32_t length = 0;
    std::int32_t extraMetres = 0;
    rundaro::ReadSettings(*m_services.Store, m_registryKey, [&](Setting setting, std::int32_t value) {
        applySetting(setting, value);
        if (setting == Setting::Len) {
            length = value;
        } else if (setting == Setting::LenDop) {
            extraMetres = value;
        } else if (setting == Setting::LenKrug) {
            // The track length and the extra metres were applied with the
            // lap length in force before the stored one, which held the
            // extra metres below it; with the stored lap length they come
            // back as stored.
            seLength->setValue(length);
            seLengthChange(seLength);
            seLengthDop->setValue(extraMetres);
        }
    });
}

void TFormMain::WriteSettings()
{
    rundaro::WriteSettings(*m_services.Store, m_registryKey, [this](Setting setting) { return settingValue(setting); });
}

void TFormMain::storeSettingsAtSessionEnd()
{
    // The session manager asks before it ends the session; no message box
    // may stand in its way, so a failure is left to the window's end.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
        try {
            WriteSettings();
        } catch (...) {
        }
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        m_settingsStoredAtQuit = true;
        try {
            WriteSettings();
        } catch (...) {
            Application::showException(std::current_exception());
        }
    });
}

void TFormMain::storeSettingsAtRaceStart()
{
    connect(this, &TFormMain::raceStarted, this, [this] {
        // Off the command, as any follower's slow work. A failure here is
        // left to the store at the end, which shows it: no message stands
        // in the race's way.
        QMetaObject::invokeMethod(
            this,
            [this] {
                try {
                    WriteSettings();
                } catch (...) {
                }
            },
            Qt::QueuedConnection);
    });
}

// Each value goes through its control's own setter, so the editors clamp
// it and run their change handlers, and the window keeps its minimum size.
void TFormMain::applySetting(Setting setting, std::int32_t value)
{
    switch (setting) {
    case Setting::Port: ComPort->SetPort(quint8(value & 0xFF)); break;
    case Setting::Alg: ComPort->SetTag(value); break;
    case Setting::Left: move(value, y()); break;
    case Setting::Top: move(x(), value); break;
    case Setting::Width: resize(value, height()); break;
    case Setting::Height: resize(width(), value); break;
    case Setting::Len: seLength->setValue(value); break;
    case Setting::LenDop: seLengthDop->setValue(value); break;
    case Setting::LenKrug: seLenKrug->setValue(value); break;
    case Setting::Krugs: seKrugov->setValue(value); break;
    case Setting::Time: seTime->setValue(value); break;
    case Setting::DopTime: seDopTime->setValue(rundaro::Real(value) / kDopTimeScale); break;
    case Setting::Sound: cbSound->setChecked(value != 0); break;
    case Setting::Display: m_screenChoice->setValue(value); break;
    case Setting::LastLap: cbLastLap->setChecked(value != 0); break;
    case Setting::CallOuts: cbCallOuts->setChecked(value != 0); break;
    case Setting::Language:
        // Chosen for the next start; the program came up in it already.
        cbLanguage->setCurrentIndex(static_cast<int>(LanguageFromValue(value)));
        break;
    case Setting::LineBoard: cbBoard->setChecked(value != 0); break;
    case Setting::Lanes: cbPair->setChecked(value == 2); break;
    case Setting::Contacts: cbContacts->setCurrentIndex(std::clamp(value, 0, cbContacts->count() - 1)); break;
    }
}

std::int32_t TFormMain::settingValue(Setting setting) const
{
    switch (setting) {
    case Setting::Port: return ComPort->Port();
    case Setting::Alg: return ComPort->Tag();
    case Setting::Left: return x();
    case Setting::Top: return y();
    case Setting::Width: return width();
    case Setting::Height: return height();
    case Setting::Len: return seLength->value();
    case Setting::LenDop: return seLengthDop->value();
    case Setting::LenKrug: return seLenKrug->value();
    case Setting::Krugs: return seKrugov->value();
    case Setting::Time: return seTime->value();
    case Setting::DopTime: return std::int32_t(rundaro::Round(seDopTime->value() * kDopTimeScale));
    case Setting::Sound: return cbSound->isChecked() ? 1 : 0;
    case Setting::Display: return m_screenChoice->value();
    case Setting::LastLap: return cbLastLap->isChecked() ? 1 : 0;
    case Setting::CallOuts: return cbCallOuts->isChecked() ? 1 : 0;
    case Setting::Language: return cbLanguage->currentIndex();
    case Setting::LineBoard: return cbBoard->isChecked() ? 1 : 0;
    case Setting::Lanes: return cbPair->isChecked() ? 2 : 1;
    case Setting::Contacts: return cbContacts->currentIndex();
    }
    return 0;
}
