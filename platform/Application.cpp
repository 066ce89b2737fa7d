#include "Application.h"

#include "MessageBox.h"

#include <QFileInfo>
#include <QFont>

#include <exception>

QString ApplicationTitle(const QString &programFile)
{
    const QString name = QFileInfo(programFile).fileName().section(QLatin1Char('.'), 0, 0);
    return name.left(1) + name.mid(1).toLower();
}

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_title(ApplicationTitle(QString::fromLocal8Bit(argv[0])))
{
    // The menu bar belongs to the window, also on desktops that would move it
    // to a global menu; asking for one costs a D-Bus round trip at start-up.
    setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The windows are laid out for a narrow sans serif: an Arial-like font
    // keeps their texts within the places made for them, where the wider
    // system sans would run "Stave width:" under the spin box. Without one
    // installed, the system's sans stands in.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    // No exception may unwind through Qt's event loop.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QStringLiteral("Unexpected error"));
    }
    return false;
}

void TApplication::ShowException(const QString &message) const
{
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    TMessageBox box(QMessageBox::Critical, m_title, text);
    box.exec();
}

void ShowApplicationError(const QString &message)
{
    if (const auto *application = qobject_cast<TApplication *>(QCoreApplication::instance())) {
        application->ShowException(message);
        return;
    }
    TMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), message);
    box.exec();
}
