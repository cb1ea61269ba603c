#pragma once

#include "update/artifact.h"

#include "update/notesview.h"

#include <QDialog>
#include <QUrl>

class QDialogButtonBox;
namespace OrlUpdate {

// Offers a newer build: which version runs and which is current, the
// release notes when the manifest names them, "Download" (opens the
// artifact's address in the browser) and, unless the update is mandatory,
// "Later". Modal, but shown without blocking.
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    UpdateDialog(const Artifact &artifact, const QString &currentVersion, const QString &appName, QWidget *parent = nullptr);

    QTextBrowser *notesView() const { return m_notesView; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    void onDownloadClicked();
    void onNotesReady(const QString &markdown);

private:
    void onNotesUnavailable();

    QUrl m_downloadUrl;
    NotesView *m_notesView = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace OrlUpdate
