#include "update/updateflows.h"

#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/whatsnewdialog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace OrlUpdate {

namespace {

constexpr int MessageMs = 5000;

void showProgress(const StatusCallbacks &callbacks, const QString &text)
{
    if (callbacks.showProgress)
        callbacks.showProgress(text);
}

void hideProgress(const StatusCallbacks &callbacks)
{
    if (callbacks.hideProgress)
        callbacks.hideProgress();
}

void showMessage(const StatusCallbacks &callbacks, const QString &text)
{
    if (callbacks.showMessage)
        callbacks.showMessage(text, MessageMs);
}

void showWhatsNewDialog(QWidget *parent, const QString &markdown, const QString &version, const UpdateConfig &config, const QString &appName,
                        const QUrl &downloadUrl)
{
    auto *dialog = new WhatsNewDialog(markdown, version, config.currentVersion, appName, parent, downloadUrl);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void noNotes(const StatusCallbacks &callbacks, const UpdateConfig &config, const QString &appName)
{
    hideProgress(callbacks);
    showMessage(callbacks, QCoreApplication::translate("OrlUpdate", "No release notes available for %1 %2").arg(appName, config.currentVersion));
}

// The newest build's notes, for "What's New..." when the running version
// has none.
void offerNewestNotes(const UpdateConfig &config, const QString &appName, const QPointer<QWidget> &parent, const StatusCallbacks &callbacks)
{
    auto *client = new Client(config, QCoreApplication::instance());
    QObject::connect(client, &Client::upToDate, client, [=] {
        client->deleteLater();
        noNotes(callbacks, config, appName);
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString &) {
        client->deleteLater();
        noNotes(callbacks, config, appName);
    });
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact &artifact) {
        if (!artifact.releaseNotesUrl.isValid()) {
            client->deleteLater();
            noNotes(callbacks, config, appName);
            return;
        }
        auto *fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, config.appId, QCoreApplication::instance());
        fetcher->setLimits({config.timeoutMs, config.maxNotesBytes});
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString &markdown) {
            fetcher->deleteLater();
            client->deleteLater();
            hideProgress(callbacks);
            if (parent)
                showWhatsNewDialog(parent, markdown, artifact.version, config, appName, artifact.url);
        });
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
            fetcher->deleteLater();
            client->deleteLater();
            noNotes(callbacks, config, appName);
        });
        fetcher->fetch();
    });
    client->check();
}

} // namespace

void checkForUpdatesInteractive(const UpdateConfig &config, const QString &appName, QWidget *parent, const StatusCallbacks &callbacks)
{
    const QPointer<QWidget> window(parent);
    auto *client = new Client(config, QCoreApplication::instance());
    showProgress(callbacks, QCoreApplication::translate("OrlUpdate", "Checking for updates…"));
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact &artifact) {
        client->deleteLater();
        hideProgress(callbacks);
        if (!window)
            return;
        auto *dialog = new UpdateDialog(artifact, config.currentVersion, appName, window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        client->deleteLater();
        hideProgress(callbacks);
        showMessage(callbacks, QCoreApplication::translate("OrlUpdate", "%1 is up to date (version %2)").arg(appName, config.currentVersion));
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString &reason) {
        client->deleteLater();
        hideProgress(callbacks);
        showMessage(callbacks, QCoreApplication::translate("OrlUpdate", "Update check failed: %1").arg(reason));
    });
    client->check();
}

void showStartupWhatsNew(const UpdateConfig &config, const QString &appName, QWidget *parent)
{
    const QPointer<QWidget> window(parent);
    auto *fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString &markdown) {
        fetcher->deleteLater();
        if (window)
            showWhatsNewDialog(window, markdown, config.currentVersion, config, appName, QUrl());
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] { fetcher->deleteLater(); });
    fetcher->fetch();
}

void showWhatsNew(const UpdateConfig &config, const QString &appName, QWidget *parent, const StatusCallbacks &callbacks)
{
    const QPointer<QWidget> window(parent);
    showProgress(callbacks, QCoreApplication::translate("OrlUpdate", "Loading release notes…"));
    auto *fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString &markdown) {
        fetcher->deleteLater();
        hideProgress(callbacks);
        if (window)
            showWhatsNewDialog(window, markdown, config.currentVersion, config, appName, QUrl());
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
        fetcher->deleteLater();
        offerNewestNotes(config, appName, window, callbacks);
    });
    fetcher->fetch();
}

} // namespace OrlUpdate
