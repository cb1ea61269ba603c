#pragma once

#include "data/enums.h"
#include "services/importservice.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class AppState;
class ImportIdRepository;
class ImportPreviewModel;
class ImportSourceMapping;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableView;
class QThread;

// The window through which a person imports a CSV file into one account,
// or QIF or OFX/QFX files into several. For CSV it previews the file and
// takes the column mapping and date format; for QIF and OFX it lists the
// accounts found in the files and lets each go to an existing account, a
// new one, or nowhere. The import runs under a progress window that keeps
// every other window of the program from input until it ends, and whose
// Cancel rolls everything back; a summary page says what happened.
//
// Page 0 is the setup, page 1 the summary. The screen is made once and
// reused; prepare() starts every showing from the reset state.
class ImportScreen : public QWidget
{
    Q_OBJECT

public:
    enum class Format { Csv, Qif, Ofx };
    enum Page { SetupPage = 0, SummaryPage = 1 };

    explicit ImportScreen(AppState *state, QWidget *parent = nullptr);
    ~ImportScreen() override;

    // Resets the screen and fills the account combo.
    void prepare();

    Format format() const;
    void setFormat(Format format);
    // What the file dialogs hand over, for the current format's files.
    void chooseCsvFile(const QString &path);
    void chooseQifFiles(const QStringList &paths);
    void chooseOfxFiles(const QStringList &paths);

    int currentPage() const;
    // The preview shows the first rows at once and the others as soon as a
    // background parse of them ends; false until then.
    bool isPreviewComplete() const { return !m_previewPending; }
    QString summaryText() const;
    ImportService *service() const { return m_service; }
    ImportPreviewModel *previewModel() const { return m_preview; }

    // The summary of an import as the page shows it, one entry per line;
    // `investmentStatements` are OFX statements the import left out.
    static QStringList summaryLines(const ImportResult &result, int investmentStatements = 0);

public Q_SLOTS:
    // "Browse...": chooses the file(s) for the current format.
    void selectFile();
    // "Import".
    void runImport();

Q_SIGNALS:
    // Emitted by "Done".
    void importCompleted();

private:
    void buildSetupPage(QWidget *page);
    // Keyboard order: format, account, file, the CSV fields or the source
    // rows, then Import.
    void setKeyboardOrder();
    QWidget *buildCsvPart();
    void reset();
    void refillAccounts();
    void onFormatChanged();
    // Keyboard order through the source rows, from the file to Import.
    void chainSourceRows();
    void showMessage(const QString &text);
    void showFileLabel(const QStringList &paths);
    void loadCsvPreview(const QString &path);
    // Parses text[from...] off the GUI thread and appends it to the preview,
    // unless another file was chosen meanwhile.
    void parseRestOfPreview(QString text, qsizetype from);
    void refillColumnCombos(const QStringList &firstRow, int columns);
    // Asks for an account when the combo is empty; false when there is none.
    bool ensureCsvTarget();
    // Runs `work` under the progress window; the window's Cancel cancels it.
    ImportResult runWithProgress(const std::function<ImportResult()> &work);
    void showSummary(const ImportResult &result);
    void finish();

    AppState *m_state;
    std::unique_ptr<ImportIdRepository> m_importIds;
    ImportService *m_service = nullptr;
    ImportPreviewModel *m_preview = nullptr;

    QStackedWidget *m_pages = nullptr;
    QButtonGroup *m_formatGroup = nullptr;
    QLabel *m_accountLabel = nullptr;
    QComboBox *m_accountCombo = nullptr;
    QLabel *m_fileLabel = nullptr;
    QPushButton *m_browseButton = nullptr;
    QPushButton *m_importButton = nullptr;
    QPushButton *m_doneButton = nullptr;
    QLabel *m_messageLabel = nullptr;
    QWidget *m_csvPart = nullptr;
    QComboBox *m_dateColumn = nullptr;
    QComboBox *m_payeeColumn = nullptr;
    QComboBox *m_amountColumn = nullptr;
    QComboBox *m_memoColumn = nullptr;
    QComboBox *m_categoryColumn = nullptr;
    QComboBox *m_dateFormat = nullptr;
    QCheckBox *m_headerCheck = nullptr;
    QTableView *m_previewView = nullptr;
    ImportSourceMapping *m_sourcePart = nullptr;
    QPlainTextEdit *m_summary = nullptr;

    QString m_csvPath;
    QStringList m_qifPaths;
    QStringList m_ofxPaths;
    OfxAnalysis m_ofxAnalysis;
    int m_previousColumnCount = -1;
    int m_previewGeneration = 0;
    bool m_previewPending = false;
    QList<QPointer<QThread>> m_previewThreads;
};
