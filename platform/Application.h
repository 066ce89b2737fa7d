#pragma once

#include <QApplication>
#include <QString>

// The program's title from its file name: the name without its folder, cut at
// its first full stop, every letter after the first in lower case.
QString ApplicationTitle(const QString &programFile);

// The application object. An error that escapes an event handler ends up
// here and is shown to the user; the program goes on.
class TApplication final : public QApplication {
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    QString Title() const { return m_title; }

    bool notify(QObject *receiver, QEvent *event) override;

    // The error's text with a full stop added, under the title, with a stop icon.
    void ShowException(const QString &message) const;

private:
    QString m_title;
};
