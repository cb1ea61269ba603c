#pragma once

#include "update/notesview.h"

#include <QDialog>
#include <QUrl>

class QDialogButtonBox;
class QLabel;
namespace OrlUpdate {

// Shows the release notes of one version, with the running version below
// and, when a download address is given, "Download <version>". Not modal;
// nothing reads its result.
class WhatsNewDialog : public QDialog
{
    Q_OBJECT

public:
    WhatsNewDialog(const QString &markdown, const QString &version, const QString &runningVersion, const QString &appName,
                   QWidget *parent = nullptr, const QUrl &downloadUrl = QUrl());

    QTextBrowser *notesView() const { return m_notesView; }
    QDialogButtonBox *buttons() const { return m_buttons; }
    QLabel *runningLabel() const { return m_running; }

private:
    void onDownloadClicked();

    QUrl m_downloadUrl;
    NotesView *m_notesView;
    QLabel *m_running;
    QDialogButtonBox *m_buttons;
};

} // namespace OrlUpdate
