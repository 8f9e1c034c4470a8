#pragma once
#include <QProxyStyle>

namespace qpa::qt {

// The style of the options and check boxes of a window laid out smaller than designed (a screen
// too small for it): their marks shrink with the window's fonts, so that they stay whole in the
// smaller controls. Everything else is drawn as the application's style draws it.
class ScaledMarks final : public QProxyStyle {
  public:
    explicit ScaledMarks(double scale);
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

  private:
    double scale_;
};

}  // namespace qpa::qt
