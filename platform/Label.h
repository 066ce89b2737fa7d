#pragma once

#include <QLabel>

// A label that can size itself to its text, keeping its left edge: it re-fits
// whenever its text or its font changes.
class TLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void SetAutoSize(bool autoSize);
    void SetCaption(const QString &caption);

protected:
    void changeEvent(QEvent *event) override;

private:
    void Fit();

    bool m_autoSize = false;
};
