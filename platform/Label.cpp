#include "Label.h"

#include <QEvent>

void TLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    Fit();
}

void TLabel::SetCaption(const QString &caption)
{
    setText(caption);
    Fit();
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Fit();
}

void TLabel::Fit()
{
    if (m_autoSize)
        resize(sizeHint());
}
