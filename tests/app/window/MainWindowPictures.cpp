#include "MainWindowFixture.h"
#include "TestOutput.h"

#include <QFileInfo>
#include <QImage>

// Renders the window at its design size in each clock state and on each tab.
namespace {

class MainWindowPictures : public MainWindowFixture
{
protected:
    void saveTabs(const QString &state)
    {
        auto *tabs = child<QTabWidget>("PageControl1");
        const char *names[] = {"inline", "control", "configuration"};
        for (int tab = 0; tab < 3; ++tab) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString path
                = saveTestPng(&form, QStringLiteral("main_window_%1_%2").arg(state, QLatin1String(names[tab])));
            const QImage image(path);
            EXPECT_EQ(image.size(), QSize(708, 483)) << path.toStdString();
        }
        tabs->setCurrentIndex(0);
    }
};

} // namespace

TEST_F(MainWindowPictures, IdleRunningStopped)
{
    ASSERT_EQ(form.size(), QSize(708, 483));
    saveTabs(QStringLiteral("idle"));

    ctrl(Qt::Key_S);
    const std::int32_t laps[] = {23456, 45000, 66950, 89420, 111030};
    for (std::int32_t ms : laps) {
        at(ms);
        ctrl(Qt::Key_L);
    }
    tickAt(118730);
    saveTabs(QStringLiteral("running"));

    at(123400);
    ctrl(Qt::Key_P);
    saveTabs(QStringLiteral("stopped"));
}
