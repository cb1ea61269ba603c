<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>New Account</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Edit Account</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Account name</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Bank name (optional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Last 4 digits (optional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Currency:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Starting &amp;Balance:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;As of:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Institution:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Account &amp;Number:</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Could not create the account</source>
        <translation>Could not create the account</translation>
    </message>
    <message>
        <source>Account name is required</source>
        <translation>Account name is required</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Opening Balance</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>New Account</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>The account no longer exists</translation>
    </message>
    <message>
        <source>Could not save the account</source>
        <translation>Could not save the account</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Edit Account</translation>
    </message>
    <message>
        <source>Could not save the order of the accounts</source>
        <translation>Could not save the order of the accounts</translation>
    </message>
    <message>
        <source>Could not delete the account</source>
        <translation>Could not delete the account</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Delete Account</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>The change could not be undone</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Credit Card</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>AmountEntryGuard</name>
    <message>
        <source>Enter an amount (0 for none).</source>
        <translation>Enter an amount (0 for none).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>&quot;%1&quot; is not an amount.</translation>
    </message>
    <message>
        <source>Enter the amount without a sign; the type says which way it goes.</source>
        <translation>Enter the amount without a sign; the type says which way it goes.</translation>
    </message>
    <message>
        <source>Amounts go up to %1.</source>
        <translation>Amounts go up to %1.</translation>
    </message>
    <message>
        <source>Only a whole amount can be typed here, up to %1.</source>
        <translation>Only a whole amount can be typed here, up to %1.</translation>
    </message>
    <message>
        <source>Only digits and one decimal point can be typed here, up to %1.</source>
        <translation>Only digits and one decimal point can be typed here, up to %1.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Database Error</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Backup has too many entries (more than %1)</source>
        <translation>Backup has too many entries (more than %1)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Failed to open ZIP archive</translation>
    </message>
    <message>
        <source>%1 is too large to restore (%2 bytes uncompressed)</source>
        <translation>%1 is too large to restore (%2 bytes uncompressed)</translation>
    </message>
    <message>
        <source>%1: damaged entry (%2); nothing was restored</source>
        <translation>%1: damaged entry (%2); nothing was restored</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Invalid backup: missing manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Unsupported backup version: %1</translation>
    </message>
    <message>
        <source>Backup is too large to restore (more than %1 bytes uncompressed)</source>
        <translation>Backup is too large to restore (more than %1 bytes uncompressed)</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>The backup could not be restored: %1</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: invalid JSON</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: unknown column &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: unsupported value for &quot;%2&quot;</source>
        <translation>%1: unsupported value for &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Cannot write the backup: %1</source>
        <translation>Cannot write the backup: %1</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>the database is not open</translation>
    </message>
    <message>
        <source>The backup is damaged: the archive&apos;s table of contents does not match its entries. Nothing was restored.</source>
        <translation>The backup is damaged: the archive&apos;s table of contents does not match its entries. Nothing was restored.</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json gives no row count for &quot;%1&quot;</source>
        <translation>Invalid backup: manifest.json gives no row count for &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The backup is damaged: manifest.json lists %1 rows in &quot;%2&quot; but the archive holds %3. Nothing was restored.</source>
        <translation>The backup is damaged: manifest.json lists %1 rows in &quot;%2&quot; but the archive holds %3. Nothing was restored.</translation>
    </message>
    <message>
        <source>The backup could not be restored: the database ended the transaction</source>
        <translation>The backup could not be restored: the database ended the transaction</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ New Category</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Search categories...</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Delete Category</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;New Category</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Add &amp;Subcategory</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>New Category</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>New Subcategory</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Edit Category</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>&amp;Parent:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Category name</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Expense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Tax-relevant</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Mark this category for inclusion in tax-time reports.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>e.g. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>Tax &amp;Code:</translation>
    </message>
</context>
<context>
    <name>CategoryRemoval</name>
    <message>
        <source>Uncategorized</source>
        <translation>Uncategorized</translation>
    </message>
    <message>
        <source>Could not delete the category. Nothing was changed.</source>
        <translation>Could not delete the category. Nothing was changed.</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>This category no longer exists.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Delete Category</translation>
    </message>
    <message>
        <source>Could not bring the category back.</source>
        <translation>Could not bring the category back.</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Charitable Donations</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Medical Expenses</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Business Expenses</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Home Office</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Education Expenses</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>State &amp; Local Taxes</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Mortgage Interest</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Property Tax</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Housing</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Rent/Mortgage Payment</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>HOA</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electric</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transportation</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Gas/Fuel</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Car Payment</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Auto Insurance</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Public Transit</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Groceries</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Dining &amp; Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Personal Care</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Pets</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Subscriptions</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Gifts</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Entertainment</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Movies</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Clothing</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electronics</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Household</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Insurance</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Life</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Home/Renters</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Fees &amp; Charges</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bank Fees</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM Fees</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Late Fees</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salary / Wages</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Interest Income</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividend Income</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Rental Income</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freelance / Consulting</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Refunds</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Gifts Received</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Other Income</translation>
    </message>
    <message>
        <source>Enter a name for the category.</source>
        <translation>Enter a name for the category.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: at most %n characters.</source>
        <translation>
            <numerusform>The name is too long: at most %n character.</numerusform>
            <numerusform>The name is too long: at most %n characters.</numerusform>
        </translation>
    </message>
    <message>
        <source>The name cannot contain line breaks or other control characters.</source>
        <translation>The name cannot contain line breaks or other control characters.</translation>
    </message>
    <message numerus="yes">
        <source>The tax code is too long: at most %n characters.</source>
        <translation>
            <numerusform>The tax code is too long: at most %n character.</numerusform>
            <numerusform>The tax code is too long: at most %n characters.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tax code cannot contain line breaks or other control characters.</source>
        <translation>The tax code cannot contain line breaks or other control characters.</translation>
    </message>
    <message>
        <source>A category cannot be its own parent.</source>
        <translation>A category cannot be its own parent.</translation>
    </message>
    <message>
        <source>The parent category no longer exists.</source>
        <translation>The parent category no longer exists.</translation>
    </message>
    <message>
        <source>A subcategory cannot have subcategories of its own.</source>
        <translation>A subcategory cannot have subcategories of its own.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it cannot become a subcategory itself.</source>
        <translation>&quot;%1&quot; has subcategories, so it cannot become a subcategory itself.</translation>
    </message>
    <message>
        <source>There is already a category named &quot;%1&quot;.</source>
        <translation>There is already a category named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>This category already has a subcategory named &quot;%1&quot;.</source>
        <translation>This category already has a subcategory named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Could not create the category. Nothing was changed.</source>
        <translation>Could not create the category. Nothing was changed.</translation>
    </message>
    <message>
        <source>A category with this id already exists.</source>
        <translation>A category with this id already exists.</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>New Category</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>New Subcategory</translation>
    </message>
    <message>
        <source>Could not save the category. Nothing was changed.</source>
        <translation>Could not save the category. Nothing was changed.</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>This category no longer exists.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Edit Category</translation>
    </message>
    <message>
        <source>The change to the category could not be undone.</source>
        <translation>The change to the category could not be undone.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in use now, so it cannot be taken away again. Delete the category instead.</source>
        <translation>&quot;%1&quot; is in use now, so it cannot be taken away again. Delete the category instead.</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Tax Code</translation>
    </message>
</context>
<context>
    <name>CategoryType</name>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Expense</translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Open calendar (F4)</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Bi-weekly</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Quarterly</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semi-annual</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annual</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
</context>
<context>
    <name>ImportFileOpener</name>
    <message>
        <source>Cannot Open File</source>
        <translation>Cannot Open File</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, QIF or OFX file.</source>
        <translation>&quot;%1&quot; is not a CSV, QIF or OFX file.</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Col %1</source>
        <translation>Col %1</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Import Transactions</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>OFX/QFX</source>
        <translation>OFX/QFX</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Account:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV Column Mapping:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Auto-detect</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Month D, YYYY (May 14, 2026)</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>First row is header</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Date column:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Payee column:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Amount column:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Memo column:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Category column:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Date format:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>No file selected</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n file selected</numerusform>
            <numerusform>%n files selected</numerusform>
        </translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Select QIF File(s)</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF Files (*.qif)</translation>
    </message>
    <message>
        <source>Select OFX or QFX File(s)</source>
        <translation>Select OFX or QFX File(s)</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>OFX Files (*.ofx *.qfx);;All Files (*)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Select File</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV Files (*.csv);;All Files (*)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 could not be read.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and cannot be imported.</source>
        <translation>%1 is larger than %2 MB and cannot be imported.</translation>
    </message>
    <message>
        <source>%1 holds no rows.</source>
        <translation>%1 holds no rows.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyzing QIF file(s)...</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Reading the statement...</source>
        <translation>Reading the statement...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>No target account</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Pick an account to import into, or create one now.</translation>
    </message>
    <message>
        <source>Choose the date, payee and amount columns first.</source>
        <translation>Choose the date, payee and amount columns first.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importing...</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importing</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import cancelled.</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>The import was stopped and all changes were rolled back. No transactions were added.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import failed.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>A database error stopped the import and all changes were rolled back. No transactions were added.</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>No transactions were added.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import complete!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transaction imported</numerusform>
            <numerusform>%n transactions imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transfer linked across accounts</numerusform>
            <numerusform>%n transfers linked across accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (including %n linked to a previously imported row)</numerusform>
            <numerusform>  (including %n linked to previously imported rows)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform>
            <numerusform>%n duplicates skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n record skipped (unparseable)</numerusform>
            <numerusform>%n records skipped (unparseable)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n metadata record skipped</numerusform>
            <numerusform>%n metadata records skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n record skipped (unmapped source account)</numerusform>
            <numerusform>%n records skipped (unmapped source account)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n record skipped (database error — see log)</numerusform>
            <numerusform>%n records skipped (database error — see log)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) not imported</source>
        <translation>
            <numerusform>%n investment statement not imported</numerusform>
            <numerusform>%n investment statements not imported</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Imported transaction</source>
        <translation>Imported transaction</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not imported.</source>
        <translation>%1 is larger than %2 MB and was not imported.</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (no account header)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 could not be read.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>The import was cancelled.</translation>
    </message>
    <message>
        <source>The account to import into no longer exists.</source>
        <translation>The account to import into no longer exists.</translation>
    </message>
    <message>
        <source>%1 ending in %2</source>
        <translation>%1 ending in %2</translation>
    </message>
    <message>
        <source>No bank or credit card statement was found.</source>
        <translation>No bank or credit card statement was found.</translation>
    </message>
    <message>
        <source>OFX files cannot be imported here.</source>
        <translation>OFX files cannot be imported here.</translation>
    </message>
</context>
<context>
    <name>ImportSourceMapping</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF source accounts:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</translation>
    </message>
    <message>
        <source>OFX accounts:</source>
        <translation>OFX accounts:</translation>
    </message>
    <message>
        <source>Choose where the statement of each bank or card account should be imported. Lines the bank already sent in an earlier import are skipped.</source>
        <translation>Choose where the statement of each bank or card account should be imported. Lines the bank already sent in an earlier import are skipped.</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) in the file(s) will not be imported.</source>
        <translation>
            <numerusform>%n investment statement in the file(s) will not be imported.</numerusform>
            <numerusform>%n investment statements in the file(s) will not be imported.</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Create new account &quot;%1&quot; —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Skip these transactions —</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orlindo Quillby</source>
        <translation>Orlindo Quillby</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform>
            <numerusform>Auto-posted %n recurring transactions</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Recurring Transactions</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;New Transaction</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>New &amp;Account</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Orlindo &amp;Account...</source>
        <translation>Orlindo &amp;Account...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Sign &amp;Out</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Account</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Reconcile...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Reconciliation &amp;History...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Rename &amp;Payees...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Share...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Reports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Re&amp;curring Transactions</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;ategories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Orlindo Quillby</source>
        <translation>&amp;About Orlindo Quillby</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>What&apos;s &amp;New...</translation>
    </message>
    <message>
        <source>Opens the release notes</source>
        <translation>Opens the release notes</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Check for &amp;Updates...</translation>
    </message>
    <message>
        <source>Checks for a newer version</source>
        <translation>Checks for a newer version</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Send &amp;Feedback...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Load &amp;Sample Data</translation>
    </message>
    <message>
        <source>Loads a demonstration data set</source>
        <translation>Loads a demonstration data set</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Clear Sample Data</translation>
    </message>
    <message>
        <source>Removes the demonstration data set</source>
        <translation>Removes the demonstration data set</translation>
    </message>
    <message>
        <source>Welcome to Orlindo Quillby</source>
        <translation>Welcome to Orlindo Quillby</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Create your first account to get started.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Create Account</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>You can also import transactions from a CSV file via File › Import.</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Manage your account</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Sign in or sign up</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Not signed in</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>No accounts</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Select an account first</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>New Account...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Edit &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Reconcile...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Reconciliation History...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Rename Payees...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Share...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Delete &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Delete Account</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>About Orlindo Quillby</source>
        <translation>About Orlindo Quillby</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Signed in successfully</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Sign-in failed: %1</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>Sign-In Failed</translation>
    </message>
    <message>
        <source>Could not sign in: %1</source>
        <translation>Could not sign in: %1</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Payee Management</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Search Transactions</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>That transaction no longer exists</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>Different Account</translation>
    </message>
    <message>
        <source>This file has been syncing with another Orlindo account. Upload its accounts and transactions to the account you just signed in with?

If you keep it on this computer, nothing of it is synced while you are signed in with this account.</source>
        <translation>This file has been syncing with another Orlindo account. Upload its accounts and transactions to the account you just signed in with?

If you keep it on this computer, nothing of it is synced while you are signed in with this account.</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>Upload to This Account</translation>
    </message>
    <message>
        <source>Keep on This Computer</source>
        <translation>Keep on This Computer</translation>
    </message>
    <message>
        <source>Your session has ended.</source>
        <translation>Your session has ended.</translation>
    </message>
    <message>
        <source>Orlindo Account</source>
        <translation>Orlindo Account</translation>
    </message>
    <message>
        <source>Imports transactions from CSV, QIF and OFX/QFX files</source>
        <translation>Imports transactions from CSV, QIF and OFX/QFX files</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Import Transactions</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Sample Data</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Sample data is already loaded.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Sample data loaded</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No sample data to clear.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Sample data cleared</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own entries still use:

%1</source>
        <translation>Sample data cleared, except what your own entries still use:

%1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above (into an empty or fully selected field; elsewhere it is typed)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above (into an empty or fully selected field; elsewhere it is typed)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A register for tracking your household finances.&lt;/p&gt;&lt;p&gt;Made by Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This program uses the Qt framework under the GNU LGPL version 3 and Qt Charts under the GNU GPL version 3; the program itself is free software under the GNU GPL version 3 or later. See &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; and &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; for Qt and its source code, and &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; for the licence.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A register for tracking your household finances.&lt;/p&gt;&lt;p&gt;Made by Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This program uses the Qt framework under the GNU LGPL version 3 and Qt Charts under the GNU GPL version 3; the program itself is free software under the GNU GPL version 3 or later. See &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; and &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; for Qt and its source code, and &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; for the licence.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
</context>
<context>
    <name>MatchingTransactionsDialog</name>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n transaction</numerusform>
            <numerusform>%n transactions</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>No transactions match any more.</source>
        <translation>No transactions match any more.</translation>
    </message>
</context>
<context>
    <name>OfxParser</name>
    <message>
        <source>This is not an OFX or QFX file.</source>
        <translation>This is not an OFX or QFX file.</translation>
    </message>
    <message>
        <source>The file ends before its statement does; it may have been cut off.</source>
        <translation>The file ends before its statement does; it may have been cut off.</translation>
    </message>
    <message>
        <source>The file is damaged: a section of it is not closed.</source>
        <translation>The file is damaged: a section of it is not closed.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement(s), more than one import can read.</source>
        <translation>
            <numerusform>The file holds more than %n statement, more than one import can read.</numerusform>
            <numerusform>The file holds more than %n statements, more than one import can read.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is damaged: a statement line is not closed.</source>
        <translation>The file is damaged: a statement line is not closed.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement line(s), more than one import can read.</source>
        <translation>
            <numerusform>The file holds more than %n statement line, more than one import can read.</numerusform>
            <numerusform>The file holds more than %n statement lines, more than one import can read.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a bank or credit card statement OFX file.</source>
        <translation>This is not a bank or credit card statement OFX file.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 could not be read.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not read.</source>
        <translation>%1 is larger than %2 MB and was not read.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB and was not read.</source>
        <translation>The file is larger than %1 MB and was not read.</translation>
    </message>
    <message>
        <source>No temporary file could be made to read the statement.</source>
        <translation>No temporary file could be made to read the statement.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unknown Device</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Registered Devices</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Devices that have synced with your account.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No devices registered.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Remove Device</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Remove %1?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Device removed.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Could not remove %1.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>No Group</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Join with Invite Code</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Pending Invitations</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Invite code: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revoke</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invite Members</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invite by Email</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generate Invite Code</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Leave Group</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Join Group</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Enter invite code:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Invalid or expired invite code.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Joined group.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Remove Member</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>Remove %1 from the group?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 removed.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Could not remove %1.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation revoked.</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>Could not revoke the invitation.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Email address:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Failed to send invitation.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation sent.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Failed to generate code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Invite Code</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Share this code with the person you want to invite:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Leave this group? You will lose access to shared data.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Left group.</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>Could not leave the group.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Data &amp; Privacy</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Delete Account</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>You are the group owner. Transfer ownership or remove all members before deleting your account.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Danger Zone</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Permanently delete your account. This cannot be undone after 30 days.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Failed to delete account.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Account Scheduled for Deletion</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountProfilePage</name>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(not set)</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Edit Display Name</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Change Password</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Personal Information</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sign Out</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Change your account password.</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Display name:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Failed to update profile.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Display name updated.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>New password (min 8 characters):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Password must be at least 8 characters.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirm new password:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Passwords do not match.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Failed to change password.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Password changed.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Data &amp; Privacy</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Active now</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1m ago</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1h ago</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1d ago</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Unknown client</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Active Sessions</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions currently signed in to your account.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No active sessions.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>This session</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revoke</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session revoked.</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>Could not revoke the session.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ApiClient</name>
    <message>
        <source>Refusing to send sign-in credentials over an unencrypted connection to %1</source>
        <translation>Refusing to send sign-in credentials over an unencrypted connection to %1</translation>
    </message>
    <message>
        <source>The answer from %1 is too large</source>
        <translation>The answer from %1 is too large</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 did not answer in time</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AuthClient</name>
    <message>
        <source>The sign-in was not completed in time. Please try again.</source>
        <translation>The sign-in was not completed in time. Please try again.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>People with access</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Add people</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Not shared with anyone yet.</translation>
    </message>
    <message>
        <source>You are not in a family group yet.</source>
        <translation>You are not in a family group yet.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>All group members already have access</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Remove access</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Remove access?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 will no longer have access. Continue?</translation>
    </message>
    <message>
        <source>Or share with someone by their e-mail address:</source>
        <translation>Or share with someone by their e-mail address:</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>The service did not answer.</source>
        <translation>The service did not answer.</translation>
    </message>
    <message>
        <source>Could not load who has access: %1</source>
        <translation>Could not load who has access: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Once it has synced, you can share it.</source>
        <translation>This account has not reached the sync service yet. Once it has synced, you can share it.</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Sync it, then share it.</source>
        <translation>This account has not reached the sync service yet. Sync it, then share it.</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Could not share with %1.</translation>
    </message>
    <message>
        <source>Enter an e-mail address such as name@example.com.</source>
        <translation>Enter an e-mail address such as name@example.com.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Could not remove %1.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::SyncApiSharingBackend</name>
    <message>
        <source>Failed to load the members (HTTP %1)</source>
        <translation>Failed to load the members (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Failed to share account (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to remove access (HTTP %1)</source>
        <translation>Failed to remove access (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>OrlUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No release notes available for %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 is up to date (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Update check failed: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Loading release notes…</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update available</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>A new version of %1 is available.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>You have version %1. The latest version is %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Loading release notes…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Release notes are not available for this version.*</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::WhatsNewDialog</name>
    <message>
        <source>You are running version %1</source>
        <translation>You are running version %1</translation>
    </message>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>What&apos;s New in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>What&apos;s new in %1 %2</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Download %1</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>Rename Selected</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Merge Selected</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Payee Management</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Rename to:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Rename Failed</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Rename Complete</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Renamed %n transaction.</numerusform>
            <numerusform>Renamed %n transactions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Select 2 or more payees to merge.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Merge Payees</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Merge %1 payees into &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Merge Failed</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Merge Complete</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Merged %n transaction.</numerusform>
            <numerusform>Merged %n transactions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Rename Payee</source>
        <translation>Rename Payee</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Rename Payees</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Select 2 or more payees to merge.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Merge Payees</translation>
    </message>
    <message>
        <source>Enter the new payee name.</source>
        <translation>Enter the new payee name.</translation>
    </message>
    <message>
        <source>Could not rename the payee: the database is busy.</source>
        <translation>Could not rename the payee: the database is busy.</translation>
    </message>
    <message>
        <source>Could not rename the payee. Nothing was changed.</source>
        <translation>Could not rename the payee. Nothing was changed.</translation>
    </message>
    <message>
        <source>The transactions of this payee no longer exist.</source>
        <translation>The transactions of this payee no longer exist.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Reconciliation History</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Past reconciliations for this account.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Statement Date</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Statement Balance</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Reconciled Balance</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>No reconciliations yet. Reconcile your account from the register to see the history here.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Reconciliation History — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Clr</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Reconcile Account</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Statement Date:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Statement Balance:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Previous Balance</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Cleared Deposits</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Cleared Withdrawals</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Cleared Balance</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Statement Balance</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finish Reconciliation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Add Transaction</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Add a transaction (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Edit selected transaction (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Delete selected transaction (Del)</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Reconcile — %1</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>Reconciliation Not Finished</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Reconciliation Complete</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Account reconciled successfully.</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Transaction Not Saved</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Delete the transaction for %1?</translation>
    </message>
    <message>
        <source>Delete the transfer for %1?

Both sides of the transfer will be deleted.</source>
        <translation>Delete the transfer for %1?

Both sides of the transfer will be deleted.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Delete Transaction</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>Transaction Not Deleted</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciled balance of this account could not be read</source>
        <translation>The reconciled balance of this account could not be read</translation>
    </message>
    <message>
        <source>The reconciled transactions add up to more than an amount can hold</source>
        <translation>The reconciled transactions add up to more than an amount can hold</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>The account no longer exists</translation>
    </message>
    <message>
        <source>%1 changed while you were reconciling. Nothing was saved; look over the list and finish again.</source>
        <translation>%1 changed while you were reconciling. Nothing was saved; look over the list and finish again.</translation>
    </message>
    <message>
        <source>Enter a valid statement date</source>
        <translation>Enter a valid statement date</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved</source>
        <translation>The reconciliation could not be saved</translation>
    </message>
    <message>
        <source>The reconciled balance of this account</source>
        <translation>The reconciled balance of this account</translation>
    </message>
    <message>
        <source>The transaction %1 is ticked twice</source>
        <translation>The transaction %1 is ticked twice</translation>
    </message>
    <message>
        <source>The transaction %1</source>
        <translation>The transaction %1</translation>
    </message>
    <message>
        <source>The ticked transactions add up to more than an amount can hold</source>
        <translation>The ticked transactions add up to more than an amount can hold</translation>
    </message>
    <message>
        <source>The ticked transactions do not add up to the statement balance</source>
        <translation>The ticked transactions do not add up to the statement balance</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Reconciliation History</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Bi-weekly</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Quarterly</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semi-annual</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annual</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>New Recurring Transaction</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Edit Recurring Transaction</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorize Transaction</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Start typing to search payees...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Has end date</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Auto-post when due</translation>
    </message>
    <message>
        <source> days</source>
        <translation> days</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Payee:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Memo:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Start Date:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>End Date:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Enter in advance:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Next Due</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Recurring Transactions</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirm All Due</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Enter Next 7 Days</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>New Recurring</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 due)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirm</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Skip</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Enter &amp;Early...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Enter Early</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Delete recurring &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: it was still behind after %2 postings in one run (next due %3). Check its dates, then edit it and turn Active back on.</source>
        <translation>&quot;%1&quot; was turned off: it was still behind after %2 postings in one run (next due %3). Check its dates, then edit it and turn Active back on.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: its next due date is not a usable date. Edit it, set its start date and turn Active back on.</source>
        <translation>&quot;%1&quot; was turned off: its next due date is not a usable date. Edit it, set its start date and turn Active back on.</translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n, one for each template that was due.</source>
        <translation>
            <numerusform>Transactions posted: %n, one for each template that was due.</numerusform>
            <numerusform>Transactions posted: %n, one for each template that was due.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was due.</source>
        <translation>Nothing was due.</translation>
    </message>
    <message>
        <source>Nothing could be posted.</source>
        <translation>Nothing could be posted.</translation>
    </message>
    <message numerus="yes">
        <source>Templates still due: %n. Confirm All Due posts one occurrence of each at a time; Enter Next 7 Days posts all of them.</source>
        <translation>
            <numerusform>Templates still due: %n. Confirm All Due posts one occurrence of each at a time; Enter Next 7 Days posts all of them.</numerusform>
            <numerusform>Templates still due: %n. Confirm All Due posts one occurrence of each at a time; Enter Next 7 Days posts all of them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n.</source>
        <translation>
            <numerusform>Transactions posted: %n.</numerusform>
            <numerusform>Transactions posted: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due in the next 7 days.</source>
        <translation>Nothing is due in the next 7 days.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>The recurring transaction could not be saved</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>The recurring transaction could not be deleted</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>[Transfer] %1</source>
        <translation>[Transfer] %1</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Chk #</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Clr</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Payee / Memo</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Split—</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Uncleared</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Reconcile</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Show columns</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Reset register layout</translation>
    </message>
    <message>
        <source>  ·  *%1</source>
        <translation>  ·  *%1</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Payee is required</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Enter a payment or deposit amount</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Transfer account not found</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Fields cleared</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Delete &quot;%1&quot; for %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Delete Transaction</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Cannot memorize: source transaction has an invalid date</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transaction memorized as recurring</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insert New</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;New Transaction...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Edit in Dialog...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Show &amp;Details...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Edit &amp;Splits...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>&amp;Split Transaction...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Mark &amp;Uncleared</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Mark &amp;Cleared</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Your unsaved entry is back</source>
        <translation>Your unsaved entry is back</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>&quot;%1&quot; is not an amount</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>The amount is too large</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>&quot;%1&quot; is not a date</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;; choose one from the list</source>
        <translation>There is no category &quot;%1&quot;; choose one from the list</translation>
    </message>
</context>
<context>
    <name>ReportChartView</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1
%2: %3</source>
        <translation>%1
%2: %3</translation>
    </message>
    <message>
        <source>Nothing to chart for this period</source>
        <translation>Nothing to chart for this period</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Show chart</source>
        <translation>Show chart</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>This Year vs Last Year</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Last Year vs Year Before</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>This Quarter vs Last Quarter</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>This Month</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Last Month</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>This Quarter</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Last Quarter</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>This Year</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Last Year</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Last 30 Days</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Last 90 Days</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Last 12 Months</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>All Time</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Category Spending</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Payee Summary</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Tax Report</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Income vs Expenses</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cash Flow</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Year-over-Year</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Account Summary</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transactions</translation>
    </message>
    <message>
        <source>Double-click a category, or click its bar, to list its transactions.</source>
        <translation>Double-click a category, or click its bar, to list its transactions.</translation>
    </message>
    <message>
        <source>Double-click a payee to list its transactions.</source>
        <translation>Double-click a payee to list its transactions.</translation>
    </message>
    <message>
        <source>Click a bar to list the transactions of that category and period.</source>
        <translation>Click a bar to list the transactions of that category and period.</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>All Accounts</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Compare:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1: %1 – %2    P2: %3 – %4</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Spending</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Tax Code</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Inflows</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Outflows</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Period 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Period 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Uncleared</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Spending on %1</source>
        <translation>Spending on %1</translation>
    </message>
    <message>
        <source>Transactions with %1</source>
        <translation>Transactions with %1</translation>
    </message>
    <message>
        <source>%1, %2 – %3</source>
        <translation>%1, %2 – %3</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV Files (*.csv)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.

%2</source>
        <translation>The report could not be saved as &quot;%1&quot;.

%2</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Main Checking</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Rewards</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath Inc</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Biweekly paycheck</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>February rent</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Weekly groceries</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Fill up</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Electric bill</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Water bill</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Monthly streaming</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Dinner out</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Auto insurance</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Monthly donation</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transfer to Savings</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Monthly savings</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>March rent</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Internet service</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Prescriptions</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Coffee &amp; pastry</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Interest payment</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Transfer from Checking</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Food delivery</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Phone case</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Cloud storage plan</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Payment - Thank You</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Credit card payment</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Coffee beans</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Programming books</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USB hub</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monthly rent</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Sample data is already loaded.</translation>
    </message>
    <message>
        <source>Sample data could not be loaded: %1</source>
        <translation>Sample data could not be loaded: %1</translation>
    </message>
    <message>
        <source>Sample data could not be cleared: %1</source>
        <translation>Sample data could not be cleared: %1</translation>
    </message>
    <message>
        <source>your transactions use them</source>
        <translation>your transactions use them</translation>
    </message>
    <message>
        <source>your split lines belong to them</source>
        <translation>your split lines belong to them</translation>
    </message>
    <message>
        <source>your recurring transactions use them</source>
        <translation>your recurring transactions use them</translation>
    </message>
    <message>
        <source>your reconciliations use them</source>
        <translation>your reconciliations use them</translation>
    </message>
    <message>
        <source>your categories use them</source>
        <translation>your categories use them</translation>
    </message>
    <message>
        <source>your transaction templates use them</source>
        <translation>your transaction templates use them</translation>
    </message>
    <message>
        <source>other sample rows that stay use them</source>
        <translation>other sample rows that stay use them</translation>
    </message>
    <message numerus="yes">
        <source>%n sample account(s) stay because %1</source>
        <translation>
            <numerusform>%n sample account stays because %1</numerusform>
            <numerusform>%n sample accounts stay because %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample transaction(s) stay because %1</source>
        <translation>
            <numerusform>%n sample transaction stays because %1</numerusform>
            <numerusform>%n sample transactions stay because %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample recurring transaction(s) stay because %1</source>
        <translation>
            <numerusform>%n sample recurring transaction stays because %1</numerusform>
            <numerusform>%n sample recurring transactions stay because %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample split line(s) stay because %1</source>
        <translation>
            <numerusform>%n sample split line stays because %1</numerusform>
            <numerusform>%n sample split lines stay because %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample reconciliation(s) stay because %1</source>
        <translation>
            <numerusform>%n sample reconciliation stays because %1</numerusform>
            <numerusform>%n sample reconciliations stay because %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>—Split—</source>
        <translation>—Split—</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Reconciled</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Not cleared</source>
        <translation>Not cleared</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Search payee, memo, check number...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Date range:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Cleared only</translation>
    </message>
    <message>
        <source>Clear Report Filter</source>
        <translation>Clear Report Filter</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>All Accounts</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>All Categories</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches; narrow the search to see older ones.</source>
        <translation>
            <numerusform>Showing the newest match (%n); narrow the search to see older ones.</numerusform>
            <numerusform>Showing the newest %n matches; narrow the search to see older ones.</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions match.</source>
        <translation>No transactions match.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n transaction found.</numerusform>
            <numerusform>%n transactions found.</numerusform>
        </translation>
    </message>
    <message>
        <source>category “%1”</source>
        <translation>category “%1”</translation>
    </message>
    <message>
        <source>payee “%1”</source>
        <translation>payee “%1”</translation>
    </message>
    <message>
        <source>expenses only</source>
        <translation>expenses only</translation>
    </message>
    <message>
        <source>accounts in %1</source>
        <translation>accounts in %1</translation>
    </message>
    <message>
        <source>an account no longer listed</source>
        <translation>an account no longer listed</translation>
    </message>
    <message>
        <source>From a report</source>
        <translation>From a report</translation>
    </message>
    <message>
        <source>From the report figure “%1”</source>
        <translation>From the report figure “%1”</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message numerus="yes">
        <source>The search text is too long: at most %n characters.</source>
        <translation>
            <numerusform>The search text is too long: at most %n character.</numerusform>
            <numerusform>The search text is too long: at most %n characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Search for at most %n words at a time.</source>
        <translation>
            <numerusform>Search for at most %n word at a time.</numerusform>
            <numerusform>Search for at most %n words at a time.</numerusform>
        </translation>
    </message>
    <message>
        <source>The transactions could not be searched.</source>
        <translation>The transactions could not be searched.</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Orlindo Quillby</source>
        <translation>Orlindo Quillby</translation>
    </message>
    <message>
        <source>A digital quillby register for tracking household finances.</source>
        <translation>A digital quillby register for tracking household finances.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license and Qt Charts under the GPL v3; it is free software under the GPL v3 or later.</source>
        <translation>This application uses the Qt framework under the LGPL v3 license and Qt Charts under the GPL v3; it is free software under the GPL v3 or later.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby on the web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby on the web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby for your phone&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Data &amp; Sync</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Export Backup</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Import Backup</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Keep your quillby in sync across all your devices.</source>
        <translation>Keep your quillby in sync across all your devices.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Backup &amp; Restore</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Save or restore your data to a portable backup file.</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Replace all with backup data</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Keep newer (compare timestamps)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Skip existing items</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP Files (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exporting...</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Backup Failed</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Could not write to:
%1</translation>
    </message>
    <message>
        <source>The backup could not be made from the database.</source>
        <translation>The backup could not be made from the database.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written. %3</source>
        <translation>Only %1 of %2 bytes could be written. %3</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Backup Complete</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Backup saved to:
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Import Mode</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>How should existing data be handled?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import Failed</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Could not read file.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importing...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Imported %1 items, skipped %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>%n error occurred.</numerusform>
            <numerusform>%n errors occurred.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import Complete</translation>
    </message>
</context>
<context>
    <name>SettingsDeletedAccounts</name>
    <message>
        <source>Restore Selected</source>
        <translation>Restore Selected</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Deleted Accounts</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Accounts you&apos;ve deleted can be restored here.</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Restore Failed</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>&quot;%1&quot; could not be restored. Nothing was changed.</translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>System Default</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Extra Large</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Control how Orlindo Quillby looks.</source>
        <translation>Control how Orlindo Quillby looks.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Date and calendar preferences.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Week starts on</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Language Changed</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Orlindo Quillby.</source>
        <translation>The new language will take effect the next time you start Orlindo Quillby.</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Two-line rows</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Show newest transactions first</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>How transactions appear in the register.</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Show memo on a second line below the payee.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sorting</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Control the order of transactions in the register.</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>When enabled, the most recent transactions appear at the top.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Data &amp; Sync</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>SettingsSyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>Sync Now</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Force Full Sync</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Never synced</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Last synced: %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Orlindo Account to enable sync.</source>
        <translation>Not signed in.
Sign in via File › Orlindo Account to enable sync.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>A sync is under way; a full sync can start once it has finished.</source>
        <translation>A sync is under way; a full sync can start once it has finished.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Syncing...</translation>
    </message>
    <message>
        <source>A sync is under way. Start the full sync once it has finished.</source>
        <translation>A sync is under way. Start the full sync once it has finished.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</translation>
    </message>
</context>
<context>
    <name>ShareAccountLauncher</name>
    <message>
        <source>Sign In Required</source>
        <translation>Sign In Required</translation>
    </message>
    <message>
        <source>Sharing requires a Orlindo account.</source>
        <translation>Sharing requires a Orlindo account.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Learn More</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Share Account</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Sharing: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Orlindo family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Share this account with members of your Orlindo family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Shared with</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Not shared with anyone yet.</translation>
    </message>
    <message>
        <source>You&apos;re not in a family group. Start one or join one in File › Orlindo Account › Group, or share by e-mail address below.</source>
        <translation>You&apos;re not in a family group. Start one or join one in File › Orlindo Account › Group, or share by e-mail address below.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Remove access</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Share Failed</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Remove Failed</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Remove Share</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Remove %1&apos;s access to this account?</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Split Transaction</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Remaining: %1</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 less than the transaction&apos;s %3.</source>
        <translation>The lines add up to %1, %2 less than the transaction&apos;s %3.</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 more than the transaction&apos;s %3.</source>
        <translation>The lines add up to %1, %2 more than the transaction&apos;s %3.</translation>
    </message>
    <message>
        <source>Add a Line for %1</source>
        <translation>Add a Line for %1</translation>
    </message>
    <message>
        <source>Change the Total to %1</source>
        <translation>Change the Total to %1</translation>
    </message>
    <message>
        <source>Lower the lines so they add up to %1.</source>
        <translation>Lower the lines so they add up to %1.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Split Transaction</source>
        <translation>Split Transaction</translation>
    </message>
    <message>
        <source>Choose a category for every split line with an amount.</source>
        <translation>Choose a category for every split line with an amount.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Add Line</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Remove</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Quillby, a register for household finances.</source>
        <translation>Quillby, a register for household finances.</translation>
    </message>
    <message>
        <source>Open (or create) the database, build the main window without showing it, print the database&apos;s path and exit.</source>
        <translation>Open (or create) the database, build the main window without showing it, print the database&apos;s path and exit.</translation>
    </message>
    <message>
        <source>A CSV, QIF or OFX file to import.</source>
        <translation>A CSV, QIF or OFX file to import.</translation>
    </message>
    <message>
        <source>Give at most one file to import.</source>
        <translation>Give at most one file to import.</translation>
    </message>
    <message>
        <source>--check-start takes no file.</source>
        <translation>--check-start takes no file.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>The file name is empty.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name this program can open.</source>
        <translation>&quot;%1&quot; is not a file name this program can open.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>The file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>&quot;%1&quot; is a folder, not a file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>&quot;%1&quot; is not a regular file.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>The file &quot;%1&quot; cannot be read.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n account</numerusform>
            <numerusform>%n accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurring due</numerusform>
            <numerusform>  •  %n recurring due</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Sync failed: the server did not answer in time</source>
        <translation>Sync failed: the server did not answer in time</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synced</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Syncing...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Sync error</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be read</source>
        <translation>Sync failed: the local data could not be read</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Push failed (HTTP %1)</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be updated</source>
        <translation>Sync failed: the local data could not be updated</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Pull failed (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer has no position to continue from</source>
        <translation>Pull failed: the server&apos;s answer has no position to continue from</translation>
    </message>
    <message>
        <source>Pull failed: %1</source>
        <translation>Pull failed: %1</translation>
    </message>
</context>
<context>
    <name>SyncOwnership</name>
    <message>
        <source>No account is signed in.</source>
        <translation>No account is signed in.</translation>
    </message>
    <message>
        <source>The data could not be prepared for upload.</source>
        <translation>The data could not be prepared for upload.</translation>
    </message>
</context>
<context>
    <name>SyncPageApplier</name>
    <message>
        <source>a pulled row could not be stored</source>
        <translation>a pulled row could not be stored</translation>
    </message>
    <message>
        <source>the database is busy</source>
        <translation>the database is busy</translation>
    </message>
    <message>
        <source>the sync position could not be stored</source>
        <translation>the sync position could not be stored</translation>
    </message>
    <message>
        <source>the pulled rows refer to records that are missing</source>
        <translation>the pulled rows refer to records that are missing</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Transaction Details</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Payee:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Split—</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Memo:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Check #:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transfer to:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Entered: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Last modified: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Delete...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Split lines</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(no split lines on record)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(uncategorized)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Reconciled</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Uncleared</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Mark Uncleared</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Mark Cleared</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Delete &quot;%1&quot; for %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Delete Transaction</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>$ </source>
        <translation>$ </translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>New Transaction</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Edit Transaction</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Start typing to search payees...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Payee:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Split...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Split this transaction across multiple categories with their own amounts and memos.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Use single category</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Drop the split and return to a single-category transaction.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Memo:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Check #:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Split—</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>New Transaction</source>
        <translation>New Transaction</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Edit Transaction</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>The transaction no longer exists</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Mark Cleared</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Mark Uncleared</translation>
    </message>
    <message>
        <source>Edit Splits</source>
        <translation>Edit Splits</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>The transaction could not be deleted</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Delete Transaction</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>The account no longer exists</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Enter a valid date</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Payee is required</translation>
    </message>
    <message>
        <source>The category no longer exists</source>
        <translation>The category no longer exists</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>A transfer needs two different accounts</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Transfer account not found</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Transfers require both accounts to use the same currency</translation>
    </message>
    <message>
        <source>Each split line needs a category</source>
        <translation>Each split line needs a category</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>The transaction could not be saved</translation>
    </message>
    <message>
        <source>The split lines add up to more than an amount can hold</source>
        <translation>The split lines add up to more than an amount can hold</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>The amount is too large</translation>
    </message>
    <message>
        <source>The other side of this transfer is split; edit its splits to change the amount</source>
        <translation>The other side of this transfer is split; edit its splits to change the amount</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Transfer from %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transfer to %1</translation>
    </message>
    <message>
        <source>The split lines could not be saved</source>
        <translation>The split lines could not be saved</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>The change could not be undone</translation>
    </message>
    <message>
        <source>This transaction is split; change its amount in the split editor</source>
        <translation>This transaction is split; change its amount in the split editor</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Nothing to undo</source>
        <translation>Nothing to undo</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nothing to redo</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Your session has ended. Sign back in to keep syncing.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Works fully offline. Your data stays on this device.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>How it works</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Record transactions as you spend.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Reconcile when your statement arrives.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Welcome back</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Sign in to keep your data synced across devices.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Create a different account</translation>
    </message>
    <message>
        <source>Welcome to
Orlindo Quillby</source>
        <translation>Welcome to
Orlindo Quillby</translation>
    </message>
    <message>
        <source>A digital quillby register.</source>
        <translation>A digital quillby register.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Already have an account? Sign In</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Create Your First Account</translation>
    </message>
</context>
<context>
    <name>ZipArchiveReader</name>
    <message>
        <source>entry too large</source>
        <translation>entry too large</translation>
    </message>
    <message>
        <source>entry data does not match its declared size</source>
        <translation>entry data does not match its declared size</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>the file is empty or missing</source>
        <translation>the file is empty or missing</translation>
    </message>
    <message>
        <source>unsupported compression or encryption</source>
        <translation>unsupported compression or encryption</translation>
    </message>
</context>
<context>
    <name>ZipArchiveWriter</name>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
</context>
</TS>
