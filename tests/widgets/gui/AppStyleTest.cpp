#include "widgets/AppStyle.h"

#include <gtest/gtest.h>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <memory>

namespace svdb {
namespace {

// A group box of each kind painted with the application's style looks pixel
// for pixel as it does with the desktop style the application style stands on.
TEST(AppStyle, GroupBoxesLookAsTheDesktopStyleDrawsThem) {
    struct Row {
        const char* name;
        QString title;
        bool checkable;
    };
    const Row rows[] = {
        {"titled", QStringLiteral("デッキ情報"), false},
        {"untitled", QString(), false},
        {"checkable", QStringLiteral("拡張"), true},
    };
    AppStyle appStyle;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_TRUE(fusion);
    auto render = [](const Row& row, QStyle* style) {
        QGroupBox box(row.title);
        box.setCheckable(row.checkable);
        box.setStyle(style);
        (new QVBoxLayout(&box))->addWidget(new QLabel(QStringLiteral("カード"), &box));
        box.resize(160, 80);
        return box.grab().toImage();
    };
    if (appStyle.baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive))
        GTEST_SKIP() << "the desktop style is not Fusion";
    for (const Row& row : rows)
        EXPECT_EQ(render(row, &appStyle), render(row, fusion.get())) << row.name;
    // The menu bar's extension chevron is drawn, not missing.
    EXPECT_FALSE(
        appStyle.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, nullptr)
            .isNull());
}

}  // namespace
}  // namespace svdb
