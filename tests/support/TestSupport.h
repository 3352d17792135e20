#pragma once

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// What a message box was asked to show.
struct ShownMessage
{
    QString caption;
    QString text;
    int kind = 0;
};

// Answers message boxes without showing them and remembers what they said.
// Answers are taken in order; when none is left, Yes/Retry/Ok is given.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();

    void answer(std::initializer_list<int> answers) { m_answers.append(answers); }
    const QList<ShownMessage> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    QList<ShownMessage> m_shown;
    QList<int> m_answers;
};

// The program-wide objects set up as at start-up, with the executable's folder
// replaced by a fresh temporary folder and the first model and band selected.
class ProgramFixture
{
public:
    ProgramFixture();

    QString dir() const { return m_dir.path() + u'/'; }
    QString path(const QString &name) const { return dir() + name; }
    void writeFile(const QString &name, const QByteArray &content) const;
    QByteArray readFile(const QString &name) const;
    void selectModel(const QString &code, const QString &band = QString());

private:
    QTemporaryDir m_dir;
};

// Runs `act` on the next modal dialog that opens.
template <typename Act> void onNextDialog(Act act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no modal dialog");
        act(dialog);
    });
}
