#include "Main.h"

#include <gtest/gtest.h>

TEST(MainWindow, CaptionAndMinimumSize)
{
    TFormMain form;
    EXPECT_EQ(form.objectName(), QStringLiteral("FormMain"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Rundaro ver 1.0"));
    EXPECT_EQ(form.minimumSize(), QSize(708, 440));
}
