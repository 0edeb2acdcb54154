// The file a save dialog's answer names, and the type it is written in.

#include "platform/SaveFileDialog.h"

#include <gtest/gtest.h>

TEST(SaveFileDialog, TheExtensionChoosesTheTypeElseTheFilterAddsItsOwn)
{
    const std::vector<FileType> types{{"PNG image", "png"}, {"SVG drawing", "svg"}};
    const struct {
        QString typed;
        int filter;
        QString path;
        int type;
    } cases[] = {
        {"/t/pic", 1, "/t/pic.svg", 1},
        {"/t/pic.png", 1, "/t/pic.png", 0},
        {"/t/PIC.SVG", 0, "/t/PIC.SVG", 1},
        {"/t/pic.jpg", 0, "/t/pic.jpg.png", 0},
        {"/t.d/pic", 0, "/t.d/pic.png", 0},
        {"/t/pic", -1, "/t/pic.png", 0},  // no filter known: the first type
        {"", 1, "", -1},                 // cancelled
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const SaveFileAnswer answer = ResolveFileType(c.typed, c.filter, types);
        EXPECT_EQ(answer.path, c.path);
        EXPECT_EQ(answer.type, c.type);
    }
}
