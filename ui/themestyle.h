#pragma once

#include <QProxyStyle>

// The application style under the themes: the platform's own style, except
// that in a dark palette the outline of an unticked check box or radio
// button is drawn in a colour that stands out from the dark base. Fusion
// outlines them in a shade darker than the window, which all but vanishes
// on a dark palette. Nothing else is changed, and light palettes are left
// to the platform style entirely.
class ThemeStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Wraps a new instance of the style with the given key ("fusion", ...).
    explicit ThemeStyle(const QString &baseStyleKey);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // Wraps the application's style once; later calls do nothing.
    static void install();
};
