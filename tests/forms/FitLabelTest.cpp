#include "forms/FitLabel.h"

#include "forms/Look.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

constexpr int Width = 100;

struct FitCase {
    const char* name;
    const char* text;
    bool shrinks;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class FitLabelTest : public ::testing::TestWithParam<FitCase> {
protected:
    FitLabelTest() {
        label.setFont(Arial(12, true));
        label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label.setContentsMargins(0, 0, 4, 0);
        label.setGeometry(0, 0, Width, 23);
        SetColours(&label, colours::Black, colours::White);
        label.setAutoFillBackground(true);
        label.setText(QString::fromUtf8(GetParam().text));
    }

    // The columns of the label that hold any ink, as first and last.
    std::pair<int, int> InkedColumns() {
        const QImage image = label.grab().toImage();
        int first = image.width(), last = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return {first, last};
    }

    FitLabel label;
};

TEST_P(FitLabelTest, ATextTooWideIsDrawnSmallerAndWhole) {
    const QFont fitted = label.FittedFont();
    EXPECT_EQ(fitted.pointSizeF() < label.font().pointSizeF(), GetParam().shrinks);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(label.text()), Width - 4);
    const auto [first, last] = InkedColumns();
    if (!label.text().isEmpty()) {
        EXPECT_GT(first, 0) << "nothing cut off on the left";
        EXPECT_LT(last, Width - 4) << "the right margin is kept";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, FitLabelTest,
                         ::testing::Values(FitCase{"Empty", "", false},
                                           FitCase{"Short", "2,000", false},
                                           FitCase{"LargestMoney", "2,147,483,647", true},
                                           FitCase{"LargestDebt", "-2,147,483,647", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dunemark
