#include "ui/common/SvgIcon.h"

#include <QtGui/QIconEngine>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtSvg/QSvgRenderer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOption>

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

namespace {

// Draws each size when it is first asked for, and keeps it: a window shows
// one or two sizes of its icons, and drawing every size of every icon, the
// window's own up to 256 pixels, took a tenth of the program's start.
class SvgIconEngine final : public QIconEngine {
public:
    SvgIconEngine(std::shared_ptr<QSvgRenderer> renderer, QList<int> sizes)
        : m_renderer(std::move(renderer)), m_sizes(std::move(sizes))
    {
    }

    QIconEngine* clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("pst-svg"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> out;
        for (const int size : m_sizes)
            out << QSize(size, size);
        return out;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const QPixmap plain = drawn(std::min(size.width(), size.height()));
        if (mode == QIcon::Normal || mode == QIcon::Active || !qApp)
            return plain;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, plain, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap shown = pixmap(rect.size() * ratio, mode, state);
        painter->drawPixmap(rect, shown);
    }

private:
    QPixmap drawn(int side)
    {
        if (side <= 0)
            return {};
        QPixmap& pixmap = m_drawn[side];
        if (pixmap.isNull()) {
            pixmap = QPixmap(side, side);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            m_renderer->render(&painter);
        }
        return pixmap;
    }

    std::shared_ptr<QSvgRenderer> m_renderer;
    QList<int> m_sizes;
    std::map<int, QPixmap> m_drawn;
};

} // namespace

QIcon svgIcon(const QString& resource, const QList<int>& sizes)
{
    auto renderer = std::make_shared<QSvgRenderer>(resource);
    if (!renderer->isValid())
        return {};
    return QIcon(new SvgIconEngine(std::move(renderer), sizes));
}
