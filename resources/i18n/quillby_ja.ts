<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Could not create the account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the order of the accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete the account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AmountEntryGuard</name>
    <message>
        <source>Enter an amount (0 for none).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the amount without a sign; the type says which way it goes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amounts go up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a whole amount can be typed here, up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only digits and one decimal point can be typed here, up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを初期化できませんでした。

データディレクトリ: %1

ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Cannot write the backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup has too many entries (more than %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to restore (%2 bytes uncompressed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: damaged entry (%2); nothing was restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup is too large to restore (more than %1 bytes uncompressed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unsupported value for &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Housing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Household</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryType</name>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expense</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Imported transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orlindo Quillby</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the import screen for CSV and QIF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orlindo &amp;Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Orlindo account screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the transaction search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the reconciliation of this account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the reconciliation history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the payee management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the sharing of this account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Orlindo Quillby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the release notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks for a newer version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads a demonstration data set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the demonstration data set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Orlindo Quillby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orlindo Quillby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A register for tracking your household finances.&lt;/p&gt;&lt;p&gt;Made by Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This program uses the Qt framework under the GNU LGPL version 3. See &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; and &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; for Qt and its source code.&lt;/small&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciliation opens in a later version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: it was still behind after %2 postings in one run (next due %3). Check its dates, then edit it and turn Active back on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: its next due date is not a usable date. Edit it, set its start date and turn Active back on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n, one for each template that was due.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was due.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing could be posted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Templates still due: %n. Confirm All Due posts one occurrence of each at a time; Enter Next 7 Days posts all of them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due in the next 7 days.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>[Transfer] %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ·  *%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your unsaved entry is back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;; choose one from the list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 less than the transaction&apos;s %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 more than the transaction&apos;s %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Line for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Total to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower the lines so they add up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Split Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a category for every split line with an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>$ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>New Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Splits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each split line needs a category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The split lines add up to more than an amount can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other side of this transfer is split; edit its splits to change the amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The split lines could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Nothing to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How it works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to
Orlindo Quillby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A digital quillby register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipArchiveReader</name>
    <message>
        <source>not a ZIP archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no end of central directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>multi-disk archives are not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>central directory out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged central directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged local header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry data out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored entry size mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot inflate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry data does not match its declared size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported compression method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC mismatch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
