#include "Application.h"
#include "Errors.h"
#include "ModalCloser.h"

#include <QFontInfo>
#include <QIcon>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Throws from its event handler, as a handler of the window may.
class Thrower : public QObject
{
public:
    int events = 0;
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            ++events;
            throw rundaro::Exception("Unable to open com port: 2");
        }
        return QObject::event(e);
    }
};

} // namespace

TEST(Application, AnEscapedErrorIsShownAndTheProgramGoesOn)
{
    ModalCloser closer;
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTimer::singleShot(200, qApp, &QCoreApplication::quit);
    qApp->exec();
    EXPECT_EQ(thrower.events, 2);
    EXPECT_EQ(
        closer.texts(),
        QStringList({QStringLiteral("Unable to open com port: 2"), QStringLiteral("Unable to open com port: 2")}));
}

TEST(Application, WindowsFontNamesResolveToInstalledTwins)
{
    struct Case
    {
        const char *family;
        const char *resolved;
    };
    const Case cases[] = {
        {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Times New Roman", "Liberation Serif"},
        {"MS Sans Serif", "Liberation Sans"},
    };
    for (const auto &c : cases) {
        const QFont font(QLatin1String(c.family), 20, QFont::Bold);
        EXPECT_EQ(QFontInfo(font).family(), QLatin1String(c.resolved)) << c.family;
    }
}

TEST(Application, WindowsCarryTheIconAndTheDesktopEntryIsNamed)
{
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("de.rundaro.Rundaro"));
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256))) << sizes.size();
    EXPECT_FALSE(QGuiApplication::windowIcon().pixmap(32).isNull());
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
