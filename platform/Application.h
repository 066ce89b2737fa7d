#pragma once

#include <QApplication>
#include <QString>

#include <exception>

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

// Shows an error by the running application's error display.
void ShowApplicationError(const QString &message);

// Wraps an event handler the way the platform dispatches one: an error that
// escapes it goes to the application's error display there and then, and
// never unwinds through Qt's own code (built without exceptions, it would
// skip Qt's clean-ups and leave its state half-changed).
template <typename Handler>
auto Guarded(Handler handler)
{
    return [handler]() {
        try {
            handler();
        } catch (const std::exception &error) {
            ShowApplicationError(QString::fromUtf8(error.what()));
        }
    };
}
