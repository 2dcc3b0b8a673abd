// The "Configuration" tab: which serial port drives the race and with which
// polarity.
#include "Main.h"

#include "Application.h"
#include "Comms.h"
#include "PortList.h"
#include "PortMessages.h"
#include "PortReopener.h"
#include "PortScan.h"

#include <algorithm>
#include <vector>

void TFormMain::connectPortChoice()
{
    // Only a pick by the user runs the handler, not a selection made here.
    connect(cbPort, &QComboBox::activated, this, [this] { cbPortChange(cbPort); });
    // The list offers the ports present when the user opens it.
    connect(cbPort, &PortList::aboutToShowPopup, this, &TFormMain::RefreshPorts);
}

std::uint32_t TFormMain::ScanPorts()
{
    // Listing opens no device, so it may run at any time, also during a
    // race: the contact's time is read by the port's worker, not here. The
    // port this window has open is present whatever the list says.
    const std::vector<std::uint8_t> listed = m_services.ListPorts();
    const auto probe = [this, &listed](std::uint8_t port) {
        return (ComPort->Connected() && port == ComPort->Port())
            || std::find(listed.begin(), listed.end(), port) != listed.end();
    };
    const rundaro::serial::PortScanResult found
        = rundaro::serial::ScanPorts(rundaro::serial::HighestScannedPort(), probe);
    m_portMask = found.mask;
    // Each entry keeps its port number, the number that is stored and that
    // opens the device; the text is the name the user knows it by.
    for (const std::uint8_t port : found.ports)
        cbPort->addItem(QString::fromStdString(rundaro::serial::PortDisplayName(port)), int(port));
    return m_portMask;
}

void TFormMain::RefreshPorts()
{
    const int index = cbPort->currentIndex();
    const int chosen = index > 0 ? cbPort->itemData(index).toInt() : 0;
    const QString chosenText = cbPort->itemText(index);
    while (cbPort->count() > 1)
        cbPort->removeItem(cbPort->count() - 1);
    ScanPorts();
    if (index < 0) {
        // No entry chosen: the stored port was not there at start. Once it
        // is listed, it shows as chosen.
        ShowPortChoice();
        return;
    }
    // The chosen entry stays, also while its device is away.
    if (chosen > 0 && cbPort->findData(chosen) < 0) {
        int at = 1;
        while (at < cbPort->count() && cbPort->itemData(at).toInt() < chosen)
            ++at;
        cbPort->insertItem(at, chosenText, chosen);
    }
    cbPort->setCurrentIndex(cbPort->findData(chosen));
}

void TFormMain::ShowPortChoice()
{
    const int port = ComPort->Port();
    cbPort->setCurrentIndex(port == 0 ? 0 : cbPort->findData(port));
    cbAlg->setEnabled(cbPort->currentIndex() > 0);
    const qint32 polarity = ComPort->Tag();
    cbAlg->setCurrentIndex(polarity >= 0 && polarity < cbAlg->count() ? polarity : -1);
}

void TFormMain::cbPortChange(QObject * /*Sender*/)
{
    const int index = cbPort->currentIndex();
    cbAlg->setEnabled(index > 0);
    // A reopening of the port chosen before is dropped: the user's choice
    // is opened here.
    m_reopener->cancel();
    if (index == 0) {
        // "None": the contact stops driving the race at once, not at exit.
        ComPort->SetPort(0);
        ComPort->Close();
        ShowTriggerState();
        return;
    }
    bool ok = false;
    const int port = cbPort->itemData(index).toInt(&ok);
    ComPort->SetPort(ok ? quint8(port & 0xFF) : 0);
    ComPort->SetTag(cbAlg->currentIndex());
    // The user takes whatever device is at the port now: the adapter to
    // come back after a loss is the one this open finds.
    m_portIdentity.clear();
    // The user asked for this port: a failure to open it is shown, in words
    // that say what to do. It is reported here rather than thrown through
    // the list's signal.
    try {
        ComPort->Open();
    } catch (const EComError &e) {
        const PortFailure failure = PortFailure::of(e);
        ShowTriggerState(failure);
        Application::showMessage(
            failure.explain(QString::fromStdString(rundaro::serial::PortDisplayName(ComPort->Port()))));
        return;
    } catch (...) {
        ShowTriggerState();
        Application::showException(std::current_exception());
        return;
    }
    ShowTriggerState();
}
