#include "ScriptLine.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

class AccessibleScriptLine final : public QAccessibleWidget
{
public:
    explicit AccessibleScriptLine(ScriptLine *line)
        : QAccessibleWidget(line, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        return static_cast<const ScriptLine *>(widget())->spokenText();
    }
};

QAccessibleInterface *accessibleScriptLine(const QString &className, QObject *object)
{
    if (className == QLatin1String("ScriptLine") && object && object->isWidgetType())
        return new AccessibleScriptLine(static_cast<ScriptLine *>(object));
    return nullptr;
}

} // namespace

ScriptLine::ScriptLine(QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleScriptLine);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ScriptLine::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void ScriptLine::setName(const QString &name)
{
    name_ = name;
}

QString ScriptLine::spokenText() const
{
    return text_.isEmpty() ? name_ : name_ + u": "_s + text_;
}

QSize ScriptLine::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 20, metrics.height()};
}

QSize ScriptLine::minimumSizeHint() const
{
    return {0, QFontMetrics(font()).height()};
}

// A line longer than the widget shows its end, where the keys are typed.
void ScriptLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, fontMetrics().elidedText(text_, Qt::ElideLeft, width()));
}

// A new font makes a new line height: the only time the line is laid out anew.
void ScriptLine::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}
