#pragma once

#include <QProxyStyle>

namespace fw {

// The application's style with one change: the extension-button icons, which
// every menu bar asks for when it is made but shows only once its menus no
// longer fit, are read when first drawn. Reading them at once costs a start
// more than the whole menu bar, since Qt loads every image format plugin on
// the system to find out who reads a PNG.
class LazyIconStyle : public QProxyStyle {
public:
    // baseKey: the name of the style to wear, as QStyleFactory knows it.
    explicit LazyIconStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

    [[nodiscard]] QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                                     const QWidget* widget) const override;
};

} // namespace fw
