#include "ui/screens/importscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/importidrepository.h"
#include "services/accountservice.h"
#include "services/csvparser.h"
#include "services/importencoding.h"
#include "ui/accountformdialog.h"
#include "ui/messagebox.h"
#include "ui/screens/importpreviewmodel.h"
#include "ui/screens/importsourcemapping.h"
#include "ui/thememanager.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

namespace {

// Rows the preview parses before it shows; the rest follow from a worker.
constexpr qsizetype kFirstPreviewRows = 1000;

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QComboBox *columnCombo(const QString &objectName)
{
    auto *combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->setMinimumWidth(160);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

int selectedColumn(const QComboBox *combo)
{
    return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
}

} // namespace

ImportScreen::ImportScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_importIds(std::make_unique<ImportIdRepository>(state->database()))
{
    ImportService::Stores stores;
    stores.transactions = state->transactionRepository();
    stores.categories = state->categoryRepository();
    stores.splitLines = state->splitLineRepository();
    stores.accounts = state->accountRepository();
    stores.accountService = state->accountService();
    stores.importIds = m_importIds.get();
    m_service = new ImportService(stores, this);
    m_preview = new ImportPreviewModel(this);

    auto *title = new QLabel(tr("Import Transactions"), this);
    applyFontRole(title, FontRole::PageTitle);

    m_pages = new QStackedWidget(this);
    auto *setup = new QWidget;
    buildSetupPage(setup);
    m_pages->addWidget(setup);

    auto *summaryPage = new QWidget;
    m_summary = new QPlainTextEdit(summaryPage);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setReadOnly(true);
    m_summary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_doneButton = new QPushButton(tr("Done"), summaryPage);
    m_doneButton->setObjectName(QStringLiteral("doneButton"));
    m_doneButton->setStyleSheet(primaryButtonStyle());
    m_doneButton->setMinimumWidth(120);
    connect(m_doneButton, &QPushButton::clicked, this, &ImportScreen::finish);
    auto *summaryLayout = new QVBoxLayout(summaryPage);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    summaryLayout->addWidget(m_summary, 1);
    summaryLayout->addWidget(m_doneButton, 0, Qt::AlignHCenter);
    m_pages->addWidget(summaryPage);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addWidget(m_pages, 1);
    setKeyboardOrder();
    reset();
}

void ImportScreen::setKeyboardOrder()
{
    const QList<QWidget *> order = {m_formatGroup->button(int(Format::Csv)), m_formatGroup->button(int(Format::Qif)),
                                    m_formatGroup->button(int(Format::Ofx)), m_accountCombo, m_browseButton,
                                    m_dateColumn, m_payeeColumn, m_amountColumn, m_memoColumn, m_categoryColumn,
                                    m_dateFormat, m_headerCheck, m_previewView, m_importButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

ImportScreen::~ImportScreen()
{
    // A preview parse still running hands its rows to this screen.
    for (const QPointer<QThread> &thread : std::as_const(m_previewThreads)) {
        if (thread)
            thread->wait();
    }
}

void ImportScreen::buildSetupPage(QWidget *page)
{
    auto *formats = new QWidget;
    auto *formatLayout = new QHBoxLayout(formats);
    formatLayout->setContentsMargins(0, 0, 0, 0);
    m_formatGroup = new QButtonGroup(this);
    const QList<QPair<Format, QString>> choices = {
        {Format::Csv, tr("CSV")}, {Format::Qif, tr("QIF")}, {Format::Ofx, tr("OFX/QFX")}};
    for (const auto &[format, text] : choices) {
        auto *radio = new QRadioButton(text);
        radio->setObjectName(QStringLiteral("format%1").arg(int(format)));
        m_formatGroup->addButton(radio, int(format));
        formatLayout->addWidget(radio);
    }
    formatLayout->addStretch();
    m_formatGroup->button(int(Format::Csv))->setChecked(true);
    connect(m_formatGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            onFormatChanged();
    });

    m_accountCombo = new QComboBox;
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountCombo->setMinimumWidth(220);
    m_accountCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto *fileRow = new QWidget;
    auto *fileLayout = new QHBoxLayout(fileRow);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    m_fileLabel = new QLabel;
    m_fileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_fileLabel->setTextFormat(Qt::PlainText);
    m_browseButton = new QPushButton(tr("Browse..."));
    m_browseButton->setObjectName(QStringLiteral("browseButton"));
    connect(m_browseButton, &QPushButton::clicked, this, &ImportScreen::selectFile);
    fileLayout->addWidget(m_fileLabel, 1);
    fileLayout->addWidget(m_browseButton);

    auto *form = new QFormLayout;
    auto *formatLabel = new QLabel(tr("&Format:"));
    formatLabel->setBuddy(m_formatGroup->button(int(Format::Csv)));
    form->addRow(formatLabel, formats);
    m_accountLabel = new QLabel(tr("&Account:"));
    m_accountLabel->setBuddy(m_accountCombo);
    form->addRow(m_accountLabel, m_accountCombo);
    form->addRow(tr("File:"), fileRow);

    m_messageLabel = new QLabel;
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setTextFormat(Qt::PlainText);

    m_csvPart = buildCsvPart();
    m_sourcePart = new ImportSourceMapping;

    m_importButton = new QPushButton(tr("Import"));
    m_importButton->setObjectName(QStringLiteral("importButton"));
    m_importButton->setStyleSheet(primaryButtonStyle());
    m_importButton->setMinimumWidth(120);
    connect(m_importButton, &QPushButton::clicked, this, &ImportScreen::runImport);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(m_messageLabel);
    layout->addWidget(m_csvPart, 1);
    layout->addWidget(m_sourcePart, 1);
    layout->addStretch();
    layout->addWidget(m_importButton, 0, Qt::AlignRight);
}

QWidget *ImportScreen::buildCsvPart()
{
    auto *part = new QWidget;
    part->setObjectName(QStringLiteral("csvPart"));
    auto *heading = new QLabel(tr("CSV Column Mapping:"));
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));

    m_dateColumn = columnCombo(QStringLiteral("dateColumn"));
    m_payeeColumn = columnCombo(QStringLiteral("payeeColumn"));
    m_amountColumn = columnCombo(QStringLiteral("amountColumn"));
    m_memoColumn = columnCombo(QStringLiteral("memoColumn"));
    m_categoryColumn = columnCombo(QStringLiteral("categoryColumn"));

    m_dateFormat = new QComboBox;
    m_dateFormat->setObjectName(QStringLiteral("dateFormat"));
    m_dateFormat->addItem(tr("Auto-detect"), QString());
    for (const char *format : {"MM/dd/yyyy", "M/d/yyyy", "M/dd/yyyy", "dd/MM/yyyy", "yyyy-MM-dd", "yyyyMMdd",
                               "MM/dd/yy"})
        m_dateFormat->addItem(QString::fromLatin1(format), QString::fromLatin1(format));
    m_dateFormat->addItem(tr("Month D, YYYY (May 14, 2026)"), QStringLiteral("MMMM d, yyyy"));

    m_headerCheck = new QCheckBox(tr("First row is header"));
    m_headerCheck->setObjectName(QStringLiteral("headerCheck"));
    m_headerCheck->setChecked(true);

    // Two columns of fields side by side keep the preview tall enough in a
    // window of 600 pixels.
    auto *left = new QFormLayout;
    left->addRow(tr("Date column:"), m_dateColumn);
    left->addRow(tr("Payee column:"), m_payeeColumn);
    left->addRow(tr("Amount column:"), m_amountColumn);
    auto *right = new QFormLayout;
    right->addRow(tr("Memo column:"), m_memoColumn);
    right->addRow(tr("Category column:"), m_categoryColumn);
    right->addRow(tr("Date format:"), m_dateFormat);
    auto *fields = new QHBoxLayout;
    fields->addLayout(left);
    fields->addSpacing(16);
    fields->addLayout(right);
    fields->addStretch();

    m_previewView = new QTableView;
    m_previewView->setObjectName(QStringLiteral("previewTable"));
    m_previewView->setModel(m_preview);
    m_previewView->setMinimumHeight(220);
    m_previewView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_previewView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_previewView->setWordWrap(false);
    // Tab leaves the table for the Import button instead of walking cells.
    m_previewView->setTabKeyNavigation(false);
    m_previewView->setAlternatingRowColors(true);
    // Fixed row heights and no per-row header sizing: a preview of a
    // hundred thousand rows must cost no more than the rows on screen.
    m_previewView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_previewView->verticalHeader()->hide();
    m_previewView->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_previewView->horizontalHeader()->setStretchLastSection(true);

    auto *layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addLayout(fields);
    layout->addWidget(m_headerCheck);
    layout->addWidget(m_previewView, 1);
    return part;
}

void ImportScreen::prepare()
{
    reset();
    refillAccounts();
    m_formatGroup->checkedButton()->setFocus();
}

void ImportScreen::reset()
{
    m_csvPath.clear();
    m_qifPaths.clear();
    m_ofxPaths.clear();
    m_ofxAnalysis = OfxAnalysis();
    m_previousColumnCount = -1;
    showFileLabel({});
    showMessage(QString());
    m_formatGroup->button(int(Format::Csv))->setChecked(true);
    ++m_previewGeneration;
    m_previewPending = false;
    m_preview->clear();
    for (QComboBox *combo : {m_dateColumn, m_payeeColumn, m_amountColumn, m_memoColumn, m_categoryColumn})
        combo->clear();
    m_sourcePart->clear();
    m_summary->clear();
    m_pages->setCurrentIndex(SetupPage);
    onFormatChanged();
}

void ImportScreen::refillAccounts()
{
    const QString current = m_accountCombo->currentData().toString();
    m_accountCombo->clear();
    for (const Account &account : m_state->accountRepository()->findAll())
        m_accountCombo->addItem(account.name, account.id);
    const int index = m_accountCombo->findData(current);
    if (index >= 0)
        m_accountCombo->setCurrentIndex(index);
}

ImportScreen::Format ImportScreen::format() const
{
    return Format(m_formatGroup->checkedId());
}

void ImportScreen::setFormat(Format format)
{
    m_formatGroup->button(int(format))->setChecked(true);
}

void ImportScreen::onFormatChanged()
{
    const Format current = format();
    const bool csv = current == Format::Csv;
    m_csvPart->setVisible(csv);
    m_accountLabel->setVisible(csv);
    m_accountCombo->setVisible(csv);
    // The files chosen belong to the format they were chosen for.
    bool cleared = false;
    if (current != Format::Csv && !m_csvPath.isEmpty()) {
        m_csvPath.clear();
        ++m_previewGeneration;
        m_previewPending = false;
        m_preview->clear();
        cleared = true;
    }
    if (current != Format::Qif && !m_qifPaths.isEmpty()) {
        m_qifPaths.clear();
        cleared = true;
    }
    if (current != Format::Ofx && !m_ofxPaths.isEmpty()) {
        m_ofxPaths.clear();
        m_ofxAnalysis = OfxAnalysis();
        cleared = true;
    }
    if (cleared)
        showFileLabel({});
    m_sourcePart->clear();
    showMessage(QString());
}

void ImportScreen::chainSourceRows()
{
    QWidget *previous = m_browseButton;
    for (QComboBox *combo : m_sourcePart->combos()) {
        setTabOrder(previous, combo);
        previous = combo;
    }
    setTabOrder(previous, m_importButton);
}

void ImportScreen::showMessage(const QString &text)
{
    m_messageLabel->setText(text);
    m_messageLabel->setStyleSheet(QStringLiteral("color: %1;").arg(negativeColor().name()));
    m_messageLabel->setVisible(!text.isEmpty());
}

void ImportScreen::showFileLabel(const QStringList &paths)
{
    if (paths.isEmpty()) {
        m_fileLabel->setText(tr("No file selected"));
        m_fileLabel->setToolTip(QString());
    } else if (paths.size() == 1) {
        m_fileLabel->setText(fileName(paths.constFirst()));
        m_fileLabel->setToolTip(paths.constFirst());
    } else {
        m_fileLabel->setText(tr("%n file(s) selected", nullptr, int(paths.size())));
        m_fileLabel->setToolTip(paths.join(QLatin1Char('\n')));
    }
}

void ImportScreen::selectFile()
{
    m_sourcePart->clear();
    switch (format()) {
    case Format::Qif: {
        const QStringList paths =
            QFileDialog::getOpenFileNames(this, tr("Select QIF File(s)"), QString(), tr("QIF Files (*.qif)"));
        if (!paths.isEmpty())
            chooseQifFiles(paths);
        break;
    }
    case Format::Ofx: {
        const QStringList paths = QFileDialog::getOpenFileNames(this, tr("Select OFX or QFX File(s)"), QString(),
                                                                tr("OFX Files (*.ofx *.qfx);;All Files (*)"));
        if (!paths.isEmpty())
            chooseOfxFiles(paths);
        break;
    }
    case Format::Csv: {
        const QString path = QFileDialog::getOpenFileName(this, tr("Select File"), QString(),
                                                          tr("CSV Files (*.csv);;All Files (*)"));
        if (!path.isEmpty())
            chooseCsvFile(path);
        break;
    }
    }
}

void ImportScreen::chooseCsvFile(const QString &path)
{
    setFormat(Format::Csv);
    // The column count of the last file stays: the next statement of the
    // same bank has the same columns, and the choices made for them stay.
    m_csvPath = path;
    m_qifPaths.clear();
    m_ofxPaths.clear();
    showFileLabel({path});
    showMessage(QString());
    loadCsvPreview(path);
}

void ImportScreen::loadCsvPreview(const QString &path)
{
    // Whatever a parse still running for an earlier file brings is dropped.
    ++m_previewGeneration;
    m_previewPending = false;
    QFile file(path);
    const qint64 limit = m_service->maxFileSize();
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(tr("%1 could not be read.").arg(fileName(path)));
        return;
    }
    const QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        showMessage(tr("%1 is larger than %2 MB and cannot be imported.").arg(fileName(path)).arg(limit / (1024 * 1024)));
        return;
    }
    // Decoded as the import will decode it, so the preview shows what will
    // be stored.
    QString text = ImportEncoding::decode(bytes);
    qsizetype consumed = 0;
    QList<QStringList> rows = CsvParser::parse(text, kFirstPreviewRows, &consumed);
    if (rows.isEmpty()) {
        showMessage(tr("%1 holds no rows.").arg(fileName(path)));
        return;
    }
    const QStringList firstRow = rows.constFirst();
    const int columns = int(firstRow.size());
    refillColumnCombos(firstRow, columns);
    if (columns > 2 && columns != m_previousColumnCount) {
        m_dateColumn->setCurrentIndex(0);
        m_payeeColumn->setCurrentIndex(1);
        m_amountColumn->setCurrentIndex(2);
    }
    m_previousColumnCount = columns;
    m_preview->setRows(std::move(rows));
    m_previewView->resizeColumnsToContents();
    if (consumed < text.size())
        parseRestOfPreview(std::move(text), consumed);
}

void ImportScreen::parseRestOfPreview(QString text, qsizetype from)
{
    m_previewPending = true;
    const int generation = m_previewGeneration;
    QThread *thread = QThread::create([this, text = std::move(text), from, generation] {
        QList<QStringList> rest = CsvParser::parse(QStringView(text).sliced(from));
        QMetaObject::invokeMethod(
            this,
            [this, rest = std::move(rest), generation]() mutable {
                if (generation != m_previewGeneration)
                    return;
                m_previewPending = false;
                m_preview->appendRows(std::move(rest));
            },
            Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_previewThreads.removeAll(nullptr);
    m_previewThreads.append(thread);
    thread->start(QThread::LowPriority);
}

void ImportScreen::refillColumnCombos(const QStringList &firstRow, int columns)
{
    for (QComboBox *combo : {m_dateColumn, m_payeeColumn, m_amountColumn, m_memoColumn, m_categoryColumn}) {
        const bool optional = combo == m_memoColumn || combo == m_categoryColumn;
        const int previous = combo->currentIndex();
        combo->clear();
        if (optional)
            combo->addItem(tr("(none)"), -1);
        for (int i = 0; i < columns; ++i) {
            const QString text = i < firstRow.size() ? tr("Col %1: %2").arg(i).arg(firstRow[i].left(20))
                                                     : tr("Column %1").arg(i);
            combo->addItem(text, i);
        }
        if (previous >= 0 && previous < combo->count())
            combo->setCurrentIndex(previous);
    }
}

void ImportScreen::chooseQifFiles(const QStringList &paths)
{
    setFormat(Format::Qif);
    m_sourcePart->clear();
    m_qifPaths = paths;
    m_csvPath.clear();
    m_ofxPaths.clear();
    showFileLabel(paths);

    QProgressDialog progress(tr("Analyzing QIF file(s)..."), QString(), 0, 0, this);
    progress.setWindowTitle(tr("Reading"));
    progress.setMinimumWidth(360);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(200);
    progress.setValue(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
    const QifAnalysis analysis = m_service->analyzeQif(paths);
    progress.close();
    showMessage(analysis.error);
    if (!analysis.accounts.isEmpty()) {
        m_sourcePart->showQif(analysis, m_state->accountRepository()->findAll());
        chainSourceRows();
    }
}

void ImportScreen::chooseOfxFiles(const QStringList &paths)
{
    setFormat(Format::Ofx);
    m_sourcePart->clear();
    m_ofxPaths = paths;
    m_csvPath.clear();
    m_qifPaths.clear();
    showFileLabel(paths);

    // Reading a long statement takes a while: its own progress, and a
    // Cancel that works, so every other window waits meanwhile.
    QProgressDialog progress(tr("Reading the statement..."), tr("Cancel"), 0, 0, this);
    progress.setObjectName(QStringLiteral("readProgress"));
    progress.setWindowTitle(tr("Reading"));
    progress.setMinimumWidth(360);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(200);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setValue(0);
    connect(&progress, &QProgressDialog::canceled, m_service, &ImportService::cancel);
    const auto reading =
        connect(m_service, &ImportService::analysisProgress, &progress, [&progress](int current, int total) {
            progress.setMaximum(total);
            progress.setValue(current);
        });
    m_service->setEventFlags(QEventLoop::AllEvents);
    m_ofxAnalysis = m_service->analyzeOfx(paths);
    m_service->setEventFlags(QEventLoop::ExcludeUserInputEvents);
    disconnect(reading);
    progress.close();
    if (m_ofxAnalysis.cancelled) {
        m_ofxPaths.clear();
        showFileLabel({});
        return;
    }
    showMessage(m_ofxAnalysis.error);
    if (m_ofxAnalysis.error.isEmpty() && !m_ofxAnalysis.accounts.isEmpty()) {
        m_sourcePart->showOfx(m_ofxAnalysis, m_state->accountRepository()->findAll());
        chainSourceRows();
    }
}

bool ImportScreen::ensureCsvTarget()
{
    if (m_accountCombo->count() > 0)
        return true;
    if (MessageBox::question(this, tr("No target account"), tr("Pick an account to import into, or create one now."),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return false;
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const Account account = dialog.account();
    if (account.name.trimmed().isEmpty())
        return false;
    const Result<Account> created =
        m_state->accountService()->create(account, account.startingBalance, dialog.openingBalanceDate());
    if (!created) {
        MessageBox::warning(this, tr("No target account"), created.error());
        return false;
    }
    refillAccounts();
    m_accountCombo->setCurrentIndex(m_accountCombo->findData(created->id));
    return true;
}

void ImportScreen::runImport()
{
    ImportResult result;
    switch (format()) {
    case Format::Csv: {
        if (m_csvPath.isEmpty())
            return;
        if (selectedColumn(m_dateColumn) < 0 || selectedColumn(m_payeeColumn) < 0
            || selectedColumn(m_amountColumn) < 0) {
            showMessage(tr("Choose the date, payee and amount columns first."));
            return;
        }
        if (!ensureCsvTarget())
            return;
        CsvMapping mapping;
        mapping.dateColumn = selectedColumn(m_dateColumn);
        mapping.payeeColumn = selectedColumn(m_payeeColumn);
        mapping.amountColumn = selectedColumn(m_amountColumn);
        mapping.memoColumn = selectedColumn(m_memoColumn);
        mapping.categoryColumn = selectedColumn(m_categoryColumn);
        mapping.firstRowIsHeader = m_headerCheck->isChecked();
        mapping.dateFormat = m_dateFormat->currentData().toString();
        const QString path = m_csvPath;
        const QString accountId = m_accountCombo->currentData().toString();
        result = runWithProgress([this, path, accountId, mapping] { return m_service->importCsv(path, accountId, mapping); });
        break;
    }
    case Format::Qif: {
        if (m_qifPaths.isEmpty())
            return;
        QMap<QString, QString> mapping;
        QMap<QString, Account> newAccounts;
        m_sourcePart->collect(mapping, newAccounts);
        const QStringList paths = m_qifPaths;
        result = runWithProgress([this, paths, mapping, newAccounts] {
            return m_service->importQif(paths, mapping, newAccounts);
        });
        break;
    }
    case Format::Ofx: {
        if (m_ofxPaths.isEmpty())
            return;
        QMap<QString, QString> mapping;
        QMap<QString, Account> newAccounts;
        m_sourcePart->collect(mapping, newAccounts);
        result = runWithProgress([this, mapping, newAccounts] {
            return m_service->importOfx(m_ofxAnalysis, mapping, newAccounts);
        });
        break;
    }
    }
    showSummary(result);
}

ImportResult ImportScreen::runWithProgress(const std::function<ImportResult()> &work)
{
    // Application modal: while the import's transaction is open, nothing
    // else of the program may take input and write into it. The service lets
    // input through to this window only, so Cancel works.
    QProgressDialog progress(tr("Importing..."), tr("Cancel"), 0, 0, this);
    progress.setObjectName(QStringLiteral("importProgress"));
    progress.setWindowTitle(tr("Importing"));
    progress.setMinimumWidth(360);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setValue(0);
    connect(&progress, &QProgressDialog::canceled, m_service, &ImportService::cancel);
    const auto started = connect(m_service, &ImportService::importStarted, &progress, [&progress](int total) {
        progress.setMaximum(total);
        progress.setValue(0);
    });
    const auto advanced =
        connect(m_service, &ImportService::importProgress, &progress, [&progress](int current, int total) {
            progress.setMaximum(total);
            progress.setValue(current);
        });
    m_service->setEventFlags(QEventLoop::AllEvents);
    const ImportResult result = work();
    m_service->setEventFlags(QEventLoop::ExcludeUserInputEvents);
    disconnect(started);
    disconnect(advanced);
    progress.close();
    return result;
}

QStringList ImportScreen::summaryLines(const ImportResult &result, int investmentStatements)
{
    if (result.cancelled) {
        return {tr("Import cancelled."), QString(),
                tr("The import was stopped and all changes were rolled back. No transactions were added.")};
    }
    if (result.aborted) {
        return {tr("Import failed."), QString(),
                tr("A database error stopped the import and all changes were rolled back. No transactions were "
                   "added.")};
    }
    if (!result.error.isEmpty())
        return {tr("Import failed."), QString(), result.error, tr("No transactions were added.")};

    QStringList lines = {tr("Import complete!"), QString(),
                         tr("%n transaction(s) imported", nullptr, result.imported)};
    if (result.transfersLinked > 0) {
        lines << tr("%n transfer(s) linked across accounts", nullptr, result.transfersLinked);
        if (result.retroactiveLinked > 0)
            lines << tr("  (including %n linked to previously imported row(s))", nullptr, result.retroactiveLinked);
    }
    if (result.duplicates > 0)
        lines << tr("%n duplicate(s) skipped", nullptr, result.duplicates);
    if (result.unparseable > 0)
        lines << tr("%n record(s) skipped (unparseable)", nullptr, result.unparseable);
    if (result.metadataSkipped > 0)
        lines << tr("%n metadata record(s) skipped", nullptr, result.metadataSkipped);
    if (result.unmappedSkipped > 0)
        lines << tr("%n record(s) skipped (unmapped source account)", nullptr, result.unmappedSkipped);
    if (result.dbErrorSkipped > 0)
        lines << tr("%n record(s) skipped (database error \u2014 see log)", nullptr, result.dbErrorSkipped);
    if (investmentStatements > 0)
        lines << tr("%n investment statement(s) not imported", nullptr, investmentStatements);
    return lines;
}

void ImportScreen::showSummary(const ImportResult &result)
{
    const int investments = format() == Format::Ofx ? m_ofxAnalysis.investmentStatements : 0;
    m_summary->setPlainText(summaryLines(result, investments).join(QLatin1Char('\n')));
    m_pages->setCurrentIndex(SummaryPage);
    m_doneButton->setFocus();
}

int ImportScreen::currentPage() const
{
    return m_pages->currentIndex();
}

QString ImportScreen::summaryText() const
{
    return m_summary->toPlainText();
}

void ImportScreen::finish()
{
    Q_EMIT importCompleted();
    reset();
    close();
}
