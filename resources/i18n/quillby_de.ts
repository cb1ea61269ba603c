<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Anfangs&amp;saldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stichtag:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Institut:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Konto&amp;nummer:</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Could not create the account</source>
        <translation>Das Konto konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Account name is required</source>
        <translation>Ein Kontoname ist erforderlich</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>Das Konto existiert nicht mehr</translation>
    </message>
    <message>
        <source>Could not save the account</source>
        <translation>Das Konto konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Could not save the order of the accounts</source>
        <translation>Die Reihenfolge der Konten konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Could not delete the account</source>
        <translation>Das Konto konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>Die Änderung konnte nicht rückgängig gemacht werden</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>AmountEntryGuard</name>
    <message>
        <source>Enter an amount (0 for none).</source>
        <translation>Geben Sie einen Betrag ein (0 für keinen).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>Enter the amount without a sign; the type says which way it goes.</source>
        <translation>Geben Sie den Betrag ohne Vorzeichen ein; die Art bestimmt die Richtung.</translation>
    </message>
    <message>
        <source>Amounts go up to %1.</source>
        <translation>Beträge gehen bis %1.</translation>
    </message>
    <message>
        <source>Only a whole amount can be typed here, up to %1.</source>
        <translation>Hier kann nur ein ganzer Betrag eingegeben werden, bis %1.</translation>
    </message>
    <message>
        <source>Only digits and one decimal point can be typed here, up to %1.</source>
        <translation>Hier können nur Ziffern und ein Dezimalpunkt eingegeben werden, bis %1.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Die Datenbank konnte nicht initialisiert werden.

Datenverzeichnis: %1

Bitte überprüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Backup has too many entries (more than %1)</source>
        <translation>Die Sicherung hat zu viele Einträge (mehr als %1)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Das ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 is too large to restore (%2 bytes uncompressed)</source>
        <translation>%1 ist zu groß zum Wiederherstellen (%2 Bytes unkomprimiert)</translation>
    </message>
    <message>
        <source>%1: damaged entry (%2); nothing was restored</source>
        <translation>%1: beschädigter Eintrag (%2); es wurde nichts wiederhergestellt</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>Backup is too large to restore (more than %1 bytes uncompressed)</source>
        <translation>Die Sicherung ist zu groß zum Wiederherstellen (mehr als %1 Bytes unkomprimiert)</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: %1</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: unbekannte Spalte „%2“</translation>
    </message>
    <message>
        <source>%1: unsupported value for &quot;%2&quot;</source>
        <translation>%1: nicht unterstützter Wert für „%2“</translation>
    </message>
    <message>
        <source>Cannot write the backup: %1</source>
        <translation>Die Sicherung kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>die Datenbank ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The backup is damaged: the archive&apos;s table of contents does not match its entries. Nothing was restored.</source>
        <translation>Die Sicherung ist beschädigt: Das Inhaltsverzeichnis des Archivs passt nicht zu seinen Einträgen. Es wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json gives no row count for &quot;%1&quot;</source>
        <translation>Ungültige Sicherung: manifest.json nennt keine Zeilenzahl für „%1“</translation>
    </message>
    <message>
        <source>The backup is damaged: manifest.json lists %1 rows in &quot;%2&quot; but the archive holds %3. Nothing was restored.</source>
        <translation>Die Sicherung ist beschädigt: manifest.json nennt %1 Zeilen in „%2“, das Archiv enthält aber %3. Es wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>The backup could not be restored: the database ended the transaction</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: Die Datenbank hat die Transaktion beendet</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Kategorien durchsuchen...</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>„%1“ löschen? Buchungen mit dieser Kategorie sind danach keiner Kategorie mehr zugeordnet.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>&amp;Unterkategorie hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Neue Unterkategorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Ü&amp;bergeordnete Kategorie:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Name der Kategorie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Steuerrelevant</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Diese Kategorie für Steuerberichte vormerken.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>z. B. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>Steuer&amp;code:</translation>
    </message>
</context>
<context>
    <name>CategoryRemoval</name>
    <message>
        <source>Uncategorized</source>
        <translation>Ohne Kategorie</translation>
    </message>
    <message>
        <source>Could not delete the category. Nothing was changed.</source>
        <translation>Die Kategorie konnte nicht gelöscht werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>Diese Kategorie existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Could not bring the category back.</source>
        <translation>Die Kategorie konnte nicht zurückgeholt werden.</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Arztkosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Geschäftsausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungsausgaben</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Landes- &amp; Kommunalsteuern</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Hypothek</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Verkehr</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Benzin/Kraftstoff</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autokredit</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Öffentlicher Verkehr</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Essen &amp; Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Lebensversicherung</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Wohngebäude/Hausrat</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren &amp; Entgelte</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomatengebühren</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Mahngebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendenerträge</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freiberuflich / Beratung</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
    <message>
        <source>Enter a name for the category.</source>
        <translation>Geben Sie einen Namen für die Kategorie ein.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: at most %n characters.</source>
        <translation>
            <numerusform>Der Name ist zu lang: höchstens %n Zeichen.</numerusform>
            <numerusform>Der Name ist zu lang: höchstens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The name cannot contain line breaks or other control characters.</source>
        <translation>Der Name darf keine Zeilenumbrüche oder anderen Steuerzeichen enthalten.</translation>
    </message>
    <message numerus="yes">
        <source>The tax code is too long: at most %n characters.</source>
        <translation>
            <numerusform>Der Steuercode ist zu lang: höchstens %n Zeichen.</numerusform>
            <numerusform>Der Steuercode ist zu lang: höchstens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tax code cannot contain line breaks or other control characters.</source>
        <translation>Der Steuercode darf keine Zeilenumbrüche oder anderen Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A category cannot be its own parent.</source>
        <translation>Eine Kategorie kann sich nicht selbst übergeordnet sein.</translation>
    </message>
    <message>
        <source>The parent category no longer exists.</source>
        <translation>Die übergeordnete Kategorie existiert nicht mehr.</translation>
    </message>
    <message>
        <source>A subcategory cannot have subcategories of its own.</source>
        <translation>Eine Unterkategorie kann keine eigenen Unterkategorien haben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it cannot become a subcategory itself.</source>
        <translation>„%1“ hat Unterkategorien und kann daher selbst keine Unterkategorie werden.</translation>
    </message>
    <message>
        <source>There is already a category named &quot;%1&quot;.</source>
        <translation>Es gibt bereits eine Kategorie namens „%1“.</translation>
    </message>
    <message>
        <source>This category already has a subcategory named &quot;%1&quot;.</source>
        <translation>Diese Kategorie hat bereits eine Unterkategorie namens „%1“.</translation>
    </message>
    <message>
        <source>Could not create the category. Nothing was changed.</source>
        <translation>Die Kategorie konnte nicht angelegt werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>A category with this id already exists.</source>
        <translation>Es gibt bereits eine Kategorie mit dieser ID.</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Neue Unterkategorie</translation>
    </message>
    <message>
        <source>Could not save the category. Nothing was changed.</source>
        <translation>Die Kategorie konnte nicht gespeichert werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>Diese Kategorie existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>The change to the category could not be undone.</source>
        <translation>Die Änderung an der Kategorie konnte nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in use now, so it cannot be taken away again. Delete the category instead.</source>
        <translation>„%1“ wird inzwischen verwendet und kann daher nicht wieder entfernt werden. Löschen Sie stattdessen die Kategorie.</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
</context>
<context>
    <name>CategoryType</name>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
</context>
<context>
    <name>ImportFileOpener</name>
    <message>
        <source>Cannot Open File</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, QIF or OFX file.</source>
        <translation>„%1“ ist keine CSV-, QIF- oder OFX-Datei.</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Col %1</source>
        <translation>Sp. %1</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
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
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV-Spaltenzuordnung:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Monat T, JJJJ (May 14, 2026)</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Überschrift</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Datumsspalte:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Empfängerspalte:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Betragsspalte:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Notizspalte:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Kategoriespalte:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF-Dateien (*.qif)</translation>
    </message>
    <message>
        <source>Select OFX or QFX File(s)</source>
        <translation>OFX- oder QFX-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>OFX-Dateien (*.ofx *.qfx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and cannot be imported.</source>
        <translation>%1 ist größer als %2 MB und kann nicht importiert werden.</translation>
    </message>
    <message>
        <source>%1 holds no rows.</source>
        <translation>%1 enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Sp. %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF-Datei(en) werden analysiert...</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Wird gelesen</translation>
    </message>
    <message>
        <source>Reading the statement...</source>
        <translation>Der Auszug wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Kein Zielkonto</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Wählen Sie ein Konto für den Import oder legen Sie jetzt eines an.</translation>
    </message>
    <message>
        <source>Choose the date, payee and amount columns first.</source>
        <translation>Wählen Sie zuerst die Spalten für Datum, Empfänger und Betrag.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert...</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Import läuft</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import abgebrochen.</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>Der Import wurde angehalten, alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import fehlgeschlagen.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Ein Datenbankfehler hat den Import angehalten, alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n Umbuchung zwischen Konten verknüpft</numerusform>
            <numerusform>%n Umbuchungen zwischen Konten verknüpft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (davon %n mit einer früher importierten Zeile verknüpft)</numerusform>
            <numerusform>  (davon %n mit früher importierten Zeilen verknüpft)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadatensatz übersprungen</numerusform>
            <numerusform>%n Metadatensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Datenbankfehler – siehe Protokoll)</numerusform>
            <numerusform>%n Datensätze übersprungen (Datenbankfehler – siehe Protokoll)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) not imported</source>
        <translation>
            <numerusform>%n Depotauszug nicht importiert</numerusform>
            <numerusform>%n Depotauszüge nicht importiert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Imported transaction</source>
        <translation>Importierte Buchung</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not imported.</source>
        <translation>%1 ist größer als %2 MB und wurde nicht importiert.</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (ohne Kontokopf)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Der Import wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The account to import into no longer exists.</source>
        <translation>Das Zielkonto des Imports existiert nicht mehr.</translation>
    </message>
    <message>
        <source>%1 ending in %2</source>
        <translation>%1 mit Endziffern %2</translation>
    </message>
    <message>
        <source>No bank or credit card statement was found.</source>
        <translation>Es wurde kein Bank- oder Kreditkartenauszug gefunden.</translation>
    </message>
    <message>
        <source>OFX files cannot be imported here.</source>
        <translation>OFX-Dateien können hier nicht importiert werden.</translation>
    </message>
</context>
<context>
    <name>ImportSourceMapping</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF-Quellkonten:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Wählen Sie, wohin jedes Quicken-Konto importiert wird. Umbuchungen zwischen Konten, die in den ausgewählten Dateien zugeordnet sind, werden automatisch verknüpft.</translation>
    </message>
    <message>
        <source>OFX accounts:</source>
        <translation>OFX-Konten:</translation>
    </message>
    <message>
        <source>Choose where the statement of each bank or card account should be imported. Lines the bank already sent in an earlier import are skipped.</source>
        <translation>Wählen Sie, wohin der Auszug jedes Bank- oder Kartenkontos importiert wird. Zeilen, die die Bank schon bei einem früheren Import geschickt hat, werden übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) in the file(s) will not be imported.</source>
        <translation>
            <numerusform>%n Depotauszug in der Datei wird nicht importiert.</numerusform>
            <numerusform>%n Depotauszüge in den Dateien werden nicht importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Neues Konto „%1“ anlegen —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Diese Buchungen überspringen —</translation>
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
            <numerusform>%n Dauerbuchung automatisch gebucht</numerusform>
            <numerusform>%n Dauerbuchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Dauerbuchungen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Orlindo &amp;Account...</source>
        <translation>&amp;Orlindo-Konto...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>&amp;Abmelden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleichs&amp;verlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Dauerbuchungen</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>K&amp;ategorien</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Orlindo Quillby</source>
        <translation>Ü&amp;ber Orlindo Quillby</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Opens the release notes</source>
        <translation>Öffnet die Versionshinweise</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>Checks for a newer version</source>
        <translation>Prüft, ob es eine neuere Version gibt</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Feedback senden...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>Loads a demonstration data set</source>
        <translation>Lädt einen Beispieldatensatz</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Removes the demonstration data set</source>
        <translation>Entfernt den Beispieldatensatz</translation>
    </message>
    <message>
        <source>Welcome to Orlindo Quillby</source>
        <translation>Willkommen bei Orlindo Quillby</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Legen Sie Ihr erstes Konto an, um loszulegen.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto anlegen</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Sie können Buchungen auch über Datei › Importieren aus einer CSV-Datei importieren.</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Ihr Konto verwalten</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Anmelden oder registrieren</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichsverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, Dauerbuchungen und der Abgleichsverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Synchronisierung wiederherstellen.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About Orlindo Quillby</source>
        <translation>Über Orlindo Quillby</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not sign in: %1</source>
        <translation>Anmeldung nicht möglich: %1</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Diese Buchung existiert nicht mehr</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>Anderes Konto</translation>
    </message>
    <message>
        <source>This file has been syncing with another Orlindo account. Upload its accounts and transactions to the account you just signed in with?

If you keep it on this computer, nothing of it is synced while you are signed in with this account.</source>
        <translation>Diese Datei wurde mit einem anderen Orlindo-Konto synchronisiert. Sollen ihre Konten und Buchungen in das Konto hochgeladen werden, mit dem Sie sich gerade angemeldet haben?

Wenn Sie sie auf diesem Computer behalten, wird nichts davon synchronisiert, solange Sie mit diesem Konto angemeldet sind.</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>In dieses Konto hochladen</translation>
    </message>
    <message>
        <source>Keep on This Computer</source>
        <translation>Auf diesem Computer behalten</translation>
    </message>
    <message>
        <source>Your session has ended.</source>
        <translation>Ihre Sitzung ist abgelaufen.</translation>
    </message>
    <message>
        <source>Orlindo Account</source>
        <translation>Orlindo-Konto</translation>
    </message>
    <message>
        <source>Imports transactions from CSV, QIF and OFX/QFX files</source>
        <translation>Importiert Buchungen aus CSV-, QIF- und OFX/QFX-Dateien</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Beispieldaten</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Die Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Es gibt keine Beispieldaten zum Entfernen.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own entries still use:

%1</source>
        <translation>Die Beispieldaten wurden entfernt, außer dem, was Ihre eigenen Einträge noch verwenden:

%1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above (into an empty or fully selected field; elsewhere it is typed)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Kassenbuch&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buchung speichern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neue Buchung einfügen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aktuelle Buchung löschen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Umschalt+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nächstes / vorheriges Feld&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (Apostroph)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Wert aus dem Feld darüber übernehmen (in ein leeres oder ganz markiertes Feld; sonst wird das Zeichen getippt)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Datumsfeld&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Heute&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nächster / vorheriger Tag&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag des Monats&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag des Jahres&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag der Woche&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Allgemein&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neue Buchung&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neues Konto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Konto abgleichen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buchungen suchen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Berichte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Dauerbuchungen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Kategorien&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Konten&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zu Konto 1&amp;ndash;9 wechseln&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zu Konto 10 wechseln&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A register for tracking your household finances.&lt;/p&gt;&lt;p&gt;Made by Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This program uses the Qt framework under the GNU LGPL version 3 and Qt Charts under the GNU GPL version 3; the program itself is free software under the GNU GPL version 3 or later. See &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; and &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; for Qt and its source code, and &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; for the licence.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein Kassenbuch für die Finanzen Ihres Haushalts.&lt;/p&gt;&lt;p&gt;Von Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;Dieses Programm verwendet das Qt-Framework unter der GNU LGPL Version 3 und Qt Charts unter der GNU GPL Version 3; das Programm selbst ist freie Software unter der GNU GPL Version 3 oder später. Qt und seinen Quellcode finden Sie unter &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; und &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt;, die Lizenz unter &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
</context>
<context>
    <name>MatchingTransactionsDialog</name>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n Buchung</numerusform>
            <numerusform>%n Buchungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>No transactions match any more.</source>
        <translation>Es passen keine Buchungen mehr.</translation>
    </message>
</context>
<context>
    <name>OfxParser</name>
    <message>
        <source>This is not an OFX or QFX file.</source>
        <translation>Dies ist keine OFX- oder QFX-Datei.</translation>
    </message>
    <message>
        <source>The file ends before its statement does; it may have been cut off.</source>
        <translation>Die Datei endet vor dem Ende ihres Auszugs; sie wurde möglicherweise abgeschnitten.</translation>
    </message>
    <message>
        <source>The file is damaged: a section of it is not closed.</source>
        <translation>Die Datei ist beschädigt: Ein Abschnitt ist nicht abgeschlossen.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement(s), more than one import can read.</source>
        <translation>
            <numerusform>Die Datei enthält mehr als %n Auszug, mehr als ein Import lesen kann.</numerusform>
            <numerusform>Die Datei enthält mehr als %n Auszüge, mehr als ein Import lesen kann.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is damaged: a statement line is not closed.</source>
        <translation>Die Datei ist beschädigt: Eine Auszugszeile ist nicht abgeschlossen.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement line(s), more than one import can read.</source>
        <translation>
            <numerusform>Die Datei enthält mehr als %n Auszugszeile, mehr als ein Import lesen kann.</numerusform>
            <numerusform>Die Datei enthält mehr als %n Auszugszeilen, mehr als ein Import lesen kann.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a bank or credit card statement OFX file.</source>
        <translation>Dies ist keine OFX-Datei mit einem Bank- oder Kreditkartenauszug.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not read.</source>
        <translation>%1 ist größer als %2 MB und wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB and was not read.</source>
        <translation>Die Datei ist größer als %1 MB und wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>No temporary file could be made to read the statement.</source>
        <translation>Für das Lesen des Auszugs konnte keine temporäre Datei angelegt werden.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Registrierte Geräte</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Geräte, die mit Ihrem Konto synchronisiert haben.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Keine Geräte registriert.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Gerät entfernt.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Sie gehören keiner Gruppe an. Der Eigentümer einer Gruppe kann Sie einladen, oder Sie treten mit einem Einladungscode bei.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Mit Einladungscode beitreten</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Offene Einladungen</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Einladungscode: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Mitglieder einladen</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Per E-Mail einladen</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Einladungscode erzeugen</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Gruppe verlassen</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Gruppe beitreten</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Einladungscode eingeben:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Ungültiger oder abgelaufener Einladungscode.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Der Gruppe beigetreten.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Mitglied entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 aus der Gruppe entfernen?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Einladung widerrufen.</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>Die Einladung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Die Einladung konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Einladung gesendet.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Der Code konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Einladungscode</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Geben Sie diesen Code an die Person weiter, die Sie einladen möchten:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Diese Gruppe verlassen? Sie verlieren den Zugriff auf geteilte Daten.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Gruppe verlassen.</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>Die Gruppe konnte nicht verlassen werden.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Sie sind der Eigentümer der Gruppe. Übertragen Sie die Eigentümerschaft oder entfernen Sie alle Mitglieder, bevor Sie Ihr Konto löschen.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Gefahrenbereich</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Ihr Konto endgültig löschen. Nach 30 Tagen lässt sich das nicht mehr rückgängig machen.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Ihr Konto wird zur endgültigen Löschung nach 30 Tagen vorgemerkt.

Geben Sie zur Bestätigung DELETE ein:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Das Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Konto zur Löschung vorgemerkt</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Ihr Konto wird in 30 Tagen endgültig gelöscht. Sie können es wiederherstellen, indem Sie sich vorher anmelden.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountProfilePage</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Anzeigenamen bearbeiten</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Ändern Sie das Passwort Ihres Kontos.</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Das Profil konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Anzeigename aktualisiert.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Neues Passwort (mind. 8 Zeichen):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Das Passwort muss mindestens 8 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Neues Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Das Passwort konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Passwort geändert.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Jetzt aktiv</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 T.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Unbekannter Client</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Aktive Sitzungen</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sitzungen, die gerade bei Ihrem Konto angemeldet sind.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Keine aktiven Sitzungen.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sitzung widerrufen.</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>Die Sitzung konnte nicht widerrufen werden.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ApiClient</name>
    <message>
        <source>Refusing to send sign-in credentials over an unencrypted connection to %1</source>
        <translation>Anmeldedaten werden nicht über eine unverschlüsselte Verbindung an %1 gesendet</translation>
    </message>
    <message>
        <source>The answer from %1 is too large</source>
        <translation>Die Antwort von %1 ist zu groß</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 hat nicht rechtzeitig geantwortet</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AuthClient</name>
    <message>
        <source>The sign-in was not completed in time. Please try again.</source>
        <translation>Die Anmeldung wurde nicht rechtzeitig abgeschlossen. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personen mit Zugriff</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Personen hinzufügen</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>You are not in a family group yet.</source>
        <translation>Sie gehören noch keiner Familiengruppe an.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Alle Gruppenmitglieder haben bereits Zugriff</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entziehen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Zugriff entziehen?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 hat dann keinen Zugriff mehr. Fortfahren?</translation>
    </message>
    <message>
        <source>Or share with someone by their e-mail address:</source>
        <translation>Oder teilen Sie mit jemandem über die E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>The service did not answer.</source>
        <translation>Der Dienst hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Could not load who has access: %1</source>
        <translation>Es konnte nicht geladen werden, wer Zugriff hat: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Once it has synced, you can share it.</source>
        <translation>Dieses Konto ist noch nicht beim Synchronisierungsdienst angekommen. Sobald es synchronisiert ist, können Sie es teilen.</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Sync it, then share it.</source>
        <translation>Dieses Konto ist noch nicht beim Synchronisierungsdienst angekommen. Synchronisieren Sie es und teilen Sie es dann.</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Teilen mit %1 nicht möglich.</translation>
    </message>
    <message>
        <source>Enter an e-mail address such as name@example.com.</source>
        <translation>Geben Sie eine E-Mail-Adresse wie name@example.com ein.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::SyncApiSharingBackend</name>
    <message>
        <source>Failed to load the members (HTTP %1)</source>
        <translation>Die Mitglieder konnten nicht geladen werden (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Das Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to remove access (HTTP %1)</source>
        <translation>Der Zugriff konnte nicht entzogen werden (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>OrlUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Suche nach Updates fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::WhatsNewDialog</name>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung umbenannt.</numerusform>
            <numerusform>%n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie 2 oder mehr Empfänger zum Zusammenführen.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Empfänger zu „%2“ zusammenführen?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung zusammengeführt.</numerusform>
            <numerusform>%n Buchungen zusammengeführt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Rename Payee</source>
        <translation>Empfänger umbenennen</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Empfänger umbenennen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie 2 oder mehr Empfänger zum Zusammenführen.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>Enter the new payee name.</source>
        <translation>Geben Sie den neuen Namen des Empfängers ein.</translation>
    </message>
    <message>
        <source>Could not rename the payee: the database is busy.</source>
        <translation>Der Empfänger konnte nicht umbenannt werden: Die Datenbank ist belegt.</translation>
    </message>
    <message>
        <source>Could not rename the payee. Nothing was changed.</source>
        <translation>Der Empfänger konnte nicht umbenannt werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The transactions of this payee no longer exist.</source>
        <translation>Die Buchungen dieses Empfängers existieren nicht mehr.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Frühere Abgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Abgleiche. Gleichen Sie Ihr Konto im Kassenbuch ab, um hier den Verlauf zu sehen.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichsverlauf — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Abg.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Auszugsdatum:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Auszugssaldo:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Abgeglichene Einzahlungen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Abgeglichene Auszahlungen</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Eine Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Entf)</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Abgleichen — %1</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>Abgleich nicht abgeschlossen</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Konto erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Buchung nicht gespeichert</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung über %1 löschen?</translation>
    </message>
    <message>
        <source>Delete the transfer for %1?

Both sides of the transfer will be deleted.</source>
        <translation>Die Umbuchung über %1 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>Buchung nicht gelöscht</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciled balance of this account could not be read</source>
        <translation>Der abgeglichene Saldo dieses Kontos konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The reconciled transactions add up to more than an amount can hold</source>
        <translation>Die abgeglichenen Buchungen ergeben mehr, als ein Betrag fassen kann</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>Das Konto existiert nicht mehr</translation>
    </message>
    <message>
        <source>%1 changed while you were reconciling. Nothing was saved; look over the list and finish again.</source>
        <translation>%1 hat sich während des Abgleichs geändert. Es wurde nichts gespeichert; prüfen Sie die Liste und schließen Sie erneut ab.</translation>
    </message>
    <message>
        <source>Enter a valid statement date</source>
        <translation>Geben Sie ein gültiges Auszugsdatum ein</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved</source>
        <translation>Der Abgleich konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The reconciled balance of this account</source>
        <translation>Der abgeglichene Saldo dieses Kontos</translation>
    </message>
    <message>
        <source>The transaction %1 is ticked twice</source>
        <translation>Die Buchung %1 ist doppelt markiert</translation>
    </message>
    <message>
        <source>The transaction %1</source>
        <translation>Die Buchung %1</translation>
    </message>
    <message>
        <source>The ticked transactions add up to more than an amount can hold</source>
        <translation>Die markierten Buchungen ergeben mehr, als ein Betrag fassen kann</translation>
    </message>
    <message>
        <source>The ticked transactions do not add up to the statement balance</source>
        <translation>Die markierten Buchungen ergeben nicht den Auszugssaldo</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue Dauerbuchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Dauerbuchung bearbeiten</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Hat ein Enddatum</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Häufigkeit:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Im Voraus buchen:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
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
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
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
        <translation>Dauerbuchungen</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen bestätigen</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Nächste 7 Tage buchen</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neue Dauerbuchung</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>&amp;Vorzeitig buchen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>„%1“ jetzt buchen, mit Datum %2? Die Buchung erhält ihr Fälligkeitsdatum; Sie können sie später bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Vorzeitig buchen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Dauerbuchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Alle Dauerbuchungen buchen, die in den nächsten 7 Tagen fällig sind? Sie erhalten ihre Fälligkeitsdaten; Sie können sie später bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: it was still behind after %2 postings in one run (next due %3). Check its dates, then edit it and turn Active back on.</source>
        <translation>„%1“ wurde deaktiviert: Nach %2 Buchungen in einem Durchlauf war sie immer noch im Rückstand (nächste Fälligkeit %3). Prüfen Sie die Daten, bearbeiten Sie sie und schalten Sie „Aktiv“ wieder ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: its next due date is not a usable date. Edit it, set its start date and turn Active back on.</source>
        <translation>„%1“ wurde deaktiviert: Die nächste Fälligkeit ist kein verwendbares Datum. Bearbeiten Sie sie, legen Sie das Startdatum fest und schalten Sie „Aktiv“ wieder ein.</translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n, one for each template that was due.</source>
        <translation>
            <numerusform>Gebuchte Buchungen: %n, eine für jede fällige Vorlage.</numerusform>
            <numerusform>Gebuchte Buchungen: %n, eine für jede fällige Vorlage.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was due.</source>
        <translation>Es war nichts fällig.</translation>
    </message>
    <message>
        <source>Nothing could be posted.</source>
        <translation>Es konnte nichts gebucht werden.</translation>
    </message>
    <message numerus="yes">
        <source>Templates still due: %n. Confirm All Due posts one occurrence of each at a time; Enter Next 7 Days posts all of them.</source>
        <translation>
            <numerusform>Noch fällige Vorlage: %n. „Alle fälligen bestätigen“ bucht jeweils ein Vorkommen jeder Vorlage; „Nächste 7 Tage buchen“ bucht alle.</numerusform>
            <numerusform>Noch fällige Vorlagen: %n. „Alle fälligen bestätigen“ bucht jeweils ein Vorkommen jeder Vorlage; „Nächste 7 Tage buchen“ bucht alle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n.</source>
        <translation>
            <numerusform>Gebuchte Buchungen: %n.</numerusform>
            <numerusform>Gebuchte Buchungen: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due in the next 7 days.</source>
        <translation>In den nächsten 7 Tagen ist nichts fällig.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>Die Dauerbuchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>Die Dauerbuchung konnte nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>[Transfer] %1</source>
        <translation>[Umbuchung] %1</translation>
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
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Abg.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Empfänger / Notiz</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Aufgeteilt—</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Nicht abgeglichen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  &apos;: von oben kopieren</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Spalten anzeigen</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Kassenbuch-Layout zurücksetzen</translation>
    </message>
    <message>
        <source>  ·  *%1</source>
        <translation>  ·  *%1</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Ein Empfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Konto der Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: Die Ausgangsbuchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als Dauerbuchung gemerkt</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>Neue &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Neue Buchung...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>Im &amp;Dialog bearbeiten...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Details anzeigen...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>&amp;Aufteilung bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Buchung &amp;aufteilen...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;nicht abgeglichen markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als &amp;abgeglichen markieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Your unsaved entry is back</source>
        <translation>Ihre ungespeicherte Eingabe ist wieder da</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>„%1“ ist kein Betrag</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>Der Betrag ist zu groß</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;; choose one from the list</source>
        <translation>Es gibt keine Kategorie „%1“; wählen Sie eine aus der Liste</translation>
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
        <translation>Für diesen Zeitraum gibt es nichts darzustellen</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Show chart</source>
        <translation>Diagramm anzeigen</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr vs. letztes Jahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Letztes Jahr vs. Vorjahr</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal vs. letztes Quartal</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Quartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Empfängerübersicht</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Einnahmen vs. Ausgaben</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Jahresvergleich</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Double-click a category, or click its bar, to list its transactions.</source>
        <translation>Doppelklicken Sie auf eine Kategorie oder klicken Sie auf ihren Balken, um ihre Buchungen aufzulisten.</translation>
    </message>
    <message>
        <source>Double-click a payee to list its transactions.</source>
        <translation>Doppelklicken Sie auf einen Empfänger, um seine Buchungen aufzulisten.</translation>
    </message>
    <message>
        <source>Click a bar to list the transactions of that category and period.</source>
        <translation>Klicken Sie auf einen Balken, um die Buchungen dieser Kategorie und dieses Zeitraums aufzulisten.</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleich:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Z1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Z2:</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>Z1: %1 – %2    Z2: %3 – %4</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Nicht abgeglichen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Spending on %1</source>
        <translation>Ausgaben für %1</translation>
    </message>
    <message>
        <source>Transactions with %1</source>
        <translation>Buchungen mit %1</translation>
    </message>
    <message>
        <source>%1, %2 – %3</source>
        <translation>%1, %2 – %3</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Der Bericht konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Hauptgirokonto</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
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
        <translation>Zweiwöchentliches Gehalt</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Miete Februar</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Wocheneinkauf</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Tanken</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Stromrechnung</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Wasserrechnung</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Monatliches Streaming</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Abendessen auswärts</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Autoversicherung</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Monatliche Spende</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Umbuchung aufs Sparkonto</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Monatliches Sparen</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Miete März</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Internetanschluss</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Kaffee &amp; Gebäck</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Zinszahlung</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Umbuchung vom Girokonto</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Essenslieferung</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Handyhülle</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Cloud-Speicher-Tarif</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Zahlung – Vielen Dank</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Kreditkartenzahlung</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Kaffeebohnen</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Programmierbücher</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USB-Hub</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monatsmiete</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Die Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>Sample data could not be loaded: %1</source>
        <translation>Die Beispieldaten konnten nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Sample data could not be cleared: %1</source>
        <translation>Die Beispieldaten konnten nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>your transactions use them</source>
        <translation>Ihre Buchungen sie verwenden</translation>
    </message>
    <message>
        <source>your split lines belong to them</source>
        <translation>Ihre Teilbuchungen zu ihnen gehören</translation>
    </message>
    <message>
        <source>your recurring transactions use them</source>
        <translation>Ihre Dauerbuchungen sie verwenden</translation>
    </message>
    <message>
        <source>your reconciliations use them</source>
        <translation>Ihre Abgleiche sie verwenden</translation>
    </message>
    <message>
        <source>your categories use them</source>
        <translation>Ihre Kategorien sie verwenden</translation>
    </message>
    <message>
        <source>your transaction templates use them</source>
        <translation>Ihre Buchungsvorlagen sie verwenden</translation>
    </message>
    <message>
        <source>other sample rows that stay use them</source>
        <translation>andere verbleibende Beispielzeilen sie verwenden</translation>
    </message>
    <message numerus="yes">
        <source>%n sample account(s) stay because %1</source>
        <translation>
            <numerusform>%n Beispielkonto bleibt, weil %1</numerusform>
            <numerusform>%n Beispielkonten bleiben, weil %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample transaction(s) stay because %1</source>
        <translation>
            <numerusform>%n Beispielbuchung bleibt, weil %1</numerusform>
            <numerusform>%n Beispielbuchungen bleiben, weil %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample recurring transaction(s) stay because %1</source>
        <translation>
            <numerusform>%n Beispiel-Dauerbuchung bleibt, weil %1</numerusform>
            <numerusform>%n Beispiel-Dauerbuchungen bleiben, weil %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample split line(s) stay because %1</source>
        <translation>
            <numerusform>%n Beispiel-Teilbuchung bleibt, weil %1</numerusform>
            <numerusform>%n Beispiel-Teilbuchungen bleiben, weil %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample reconciliation(s) stay because %1</source>
        <translation>
            <numerusform>%n Beispielabgleich bleibt, weil %1</numerusform>
            <numerusform>%n Beispielabgleiche bleiben, weil %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>—Split—</source>
        <translation>—Aufgeteilt—</translation>
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
        <translation>Festgeschrieben</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Not cleared</source>
        <translation>Nicht abgeglichen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Empfänger, Notiz, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur abgeglichene</translation>
    </message>
    <message>
        <source>Clear Report Filter</source>
        <translation>Berichtsfilter entfernen</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches; narrow the search to see older ones.</source>
        <translation>
            <numerusform>Die neueste Übereinstimmung (%n) wird angezeigt; grenzen Sie die Suche ein, um ältere zu sehen.</numerusform>
            <numerusform>Die neuesten %n Übereinstimmungen werden angezeigt; grenzen Sie die Suche ein, um ältere zu sehen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions match.</source>
        <translation>Keine passenden Buchungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n Buchung gefunden.</numerusform>
            <numerusform>%n Buchungen gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>category “%1”</source>
        <translation>Kategorie „%1“</translation>
    </message>
    <message>
        <source>payee “%1”</source>
        <translation>Empfänger „%1“</translation>
    </message>
    <message>
        <source>expenses only</source>
        <translation>nur Ausgaben</translation>
    </message>
    <message>
        <source>accounts in %1</source>
        <translation>Konten vom Typ %1</translation>
    </message>
    <message>
        <source>an account no longer listed</source>
        <translation>ein nicht mehr aufgeführtes Konto</translation>
    </message>
    <message>
        <source>From a report</source>
        <translation>Aus einem Bericht</translation>
    </message>
    <message>
        <source>From the report figure “%1”</source>
        <translation>Aus der Berichtszahl „%1“</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message numerus="yes">
        <source>The search text is too long: at most %n characters.</source>
        <translation>
            <numerusform>Der Suchtext ist zu lang: höchstens %n Zeichen.</numerusform>
            <numerusform>Der Suchtext ist zu lang: höchstens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Search for at most %n words at a time.</source>
        <translation>
            <numerusform>Suchen Sie nach höchstens %n Wort auf einmal.</numerusform>
            <numerusform>Suchen Sie nach höchstens %n Wörtern auf einmal.</numerusform>
        </translation>
    </message>
    <message>
        <source>The transactions could not be searched.</source>
        <translation>Die Buchungen konnten nicht durchsucht werden.</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
        <translation>Ein digitales Quillby-Kassenbuch für die Finanzen Ihres Haushalts.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license and Qt Charts under the GPL v3; it is free software under the GPL v3 or later.</source>
        <translation>Diese Anwendung verwendet das Qt-Framework unter der LGPL-v3-Lizenz und Qt Charts unter der GPL v3; sie ist freie Software unter der GPL v3 oder später.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby on the web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby im Web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby für Ihr Telefon&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Synchronisierung</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your quillby in sync across all your devices.</source>
        <translation>Halten Sie Ihr Quillby auf allen Geräten synchron.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sichern &amp; Wiederherstellen</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sichern oder Wiederherstellen Ihrer Daten über eine portable Sicherungsdatei.</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch die Sicherungsdaten ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Elemente überspringen</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert...</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Schreiben nicht möglich:
%1</translation>
    </message>
    <message>
        <source>The backup could not be made from the database.</source>
        <translation>Die Sicherung konnte nicht aus der Datenbank erstellt werden.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written. %3</source>
        <translation>Nur %1 von %2 Bytes konnten geschrieben werden. %3</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Elemente importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>%n Fehler ist aufgetreten.</numerusform>
            <numerusform>%n Fehler sind aufgetreten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
</context>
<context>
    <name>SettingsDeletedAccounts</name>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Gelöschte Konten können Sie hier wiederherstellen.</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>„%1“ konnte nicht wiederhergestellt werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Orlindo Quillby looks.</source>
        <translation>Legen Sie fest, wie Orlindo Quillby aussieht.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Einstellungen für Datum und Kalender.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Orlindo Quillby.</source>
        <translation>Die neue Sprache wird beim nächsten Start von Orlindo Quillby wirksam.</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>Kassenbuch</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Zeilen</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen im Kassenbuch erscheinen.</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Notiz in einer zweiten Zeile unter dem Empfänger anzeigen.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen im Kassenbuch fest.</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, stehen die neuesten Buchungen oben.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kassenbuch</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Synchronisierung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>SettingsSyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständige Synchronisierung erzwingen</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Orlindo Account to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Orlindo-Konto an, um die Synchronisierung zu aktivieren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Fehler: %1</translation>
    </message>
    <message>
        <source>A sync is under way; a full sync can start once it has finished.</source>
        <translation>Eine Synchronisierung läuft gerade; eine vollständige Synchronisierung kann beginnen, sobald sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>A sync is under way. Start the full sync once it has finished.</source>
        <translation>Eine Synchronisierung läuft gerade. Starten Sie die vollständige Synchronisierung, sobald sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Dadurch werden alle lokalen Zeilen erneut auf den Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie diese Funktion, wenn die Daten zwischen Geräten nicht synchron zu sein scheinen.

Fortfahren?</translation>
    </message>
</context>
<context>
    <name>ShareAccountLauncher</name>
    <message>
        <source>Sign In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Sharing requires a Orlindo account.</source>
        <translation>Zum Teilen ist ein Orlindo-Konto erforderlich.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Konto teilen</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Geteilt: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Orlindo family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Teilen Sie dieses Konto mit den Mitgliedern Ihrer Orlindo-Familiengruppe. Sie sehen auf ihren Geräten dasselbe Kassenbuch, dieselben Salden und denselben Abgleichsverlauf.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>You&apos;re not in a family group. Start one or join one in File › Orlindo Account › Group, or share by e-mail address below.</source>
        <translation>Sie gehören keiner Familiengruppe an. Gründen Sie eine oder treten Sie einer bei unter Datei › Orlindo-Konto › Gruppe, oder teilen Sie unten per E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entziehen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 den Zugriff auf dieses Konto entziehen?</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 less than the transaction&apos;s %3.</source>
        <translation>Die Zeilen ergeben %1, %2 weniger als die %3 der Buchung.</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 more than the transaction&apos;s %3.</source>
        <translation>Die Zeilen ergeben %1, %2 mehr als die %3 der Buchung.</translation>
    </message>
    <message>
        <source>Add a Line for %1</source>
        <translation>Eine Zeile über %1 hinzufügen</translation>
    </message>
    <message>
        <source>Change the Total to %1</source>
        <translation>Summe auf %1 ändern</translation>
    </message>
    <message>
        <source>Lower the lines so they add up to %1.</source>
        <translation>Verringern Sie die Zeilen, sodass sie %1 ergeben.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Choose a category for every split line with an amount.</source>
        <translation>Wählen Sie für jede Teilbuchung mit einem Betrag eine Kategorie.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Zeile hinzufügen</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Entfernen</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Quillby, a register for household finances.</source>
        <translation>Quillby, ein Kassenbuch für die Haushaltsfinanzen.</translation>
    </message>
    <message>
        <source>Open (or create) the database, build the main window without showing it, print the database&apos;s path and exit.</source>
        <translation>Öffnet (oder erstellt) die Datenbank, baut das Hauptfenster auf, ohne es anzuzeigen, gibt den Pfad der Datenbank aus und beendet sich.</translation>
    </message>
    <message>
        <source>A CSV, QIF or OFX file to import.</source>
        <translation>Eine zu importierende CSV-, QIF- oder OFX-Datei.</translation>
    </message>
    <message>
        <source>Give at most one file to import.</source>
        <translation>Geben Sie höchstens eine Datei zum Importieren an.</translation>
    </message>
    <message>
        <source>--check-start takes no file.</source>
        <translation>--check-start akzeptiert keine Datei.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Der Dateiname ist leer.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Der Dateiname ist zu lang.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name this program can open.</source>
        <translation>„%1“ ist kein Dateiname, den dieses Programm öffnen kann.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>„%1“ ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden.</translation>
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
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n Dauerbuchung fällig</numerusform>
            <numerusform>  •  %n Dauerbuchungen fällig</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Sync failed: the server did not answer in time</source>
        <translation>Synchronisierung fehlgeschlagen: Der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be read</source>
        <translation>Synchronisierung fehlgeschlagen: Die lokalen Daten konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Hochladen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be updated</source>
        <translation>Synchronisierung fehlgeschlagen: Die lokalen Daten konnten nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Abrufen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer has no position to continue from</source>
        <translation>Abrufen fehlgeschlagen: Die Antwort des Servers enthält keine Position, an der fortgesetzt werden kann</translation>
    </message>
    <message>
        <source>Pull failed: %1</source>
        <translation>Abrufen fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>SyncOwnership</name>
    <message>
        <source>No account is signed in.</source>
        <translation>Es ist kein Konto angemeldet.</translation>
    </message>
    <message>
        <source>The data could not be prepared for upload.</source>
        <translation>Die Daten konnten nicht für das Hochladen vorbereitet werden.</translation>
    </message>
</context>
<context>
    <name>SyncPageApplier</name>
    <message>
        <source>a pulled row could not be stored</source>
        <translation>eine abgerufene Zeile konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the database is busy</source>
        <translation>die Datenbank ist belegt</translation>
    </message>
    <message>
        <source>the sync position could not be stored</source>
        <translation>die Synchronisierungsposition konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the pulled rows refer to records that are missing</source>
        <translation>die abgerufenen Zeilen verweisen auf fehlende Datensätze</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Buchungsdetails</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Aufgeteilt—</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Scheck-Nr.:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Umbuchen auf:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Erfasst: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Zuletzt geändert: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Teilbuchungen</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(keine Teilbuchungen gespeichert)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(ohne Kategorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Festgeschrieben</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Nicht abgeglichen</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Als nicht abgeglichen markieren</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Als abgeglichen markieren</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
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
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Aufteilen...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Diese Buchung auf mehrere Kategorien mit eigenen Beträgen und Notizen aufteilen.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Eine Kategorie verwenden</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Aufteilung verwerfen und zu einer Buchung mit einer Kategorie zurückkehren.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Scheck-Nr.:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Aufgeteilt—</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>Die Buchung existiert nicht mehr</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Als abgeglichen markieren</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Als nicht abgeglichen markieren</translation>
    </message>
    <message>
        <source>Edit Splits</source>
        <translation>Aufteilung bearbeiten</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>Die Buchung konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>Das Konto existiert nicht mehr</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Geben Sie ein gültiges Datum ein</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Ein Empfänger ist erforderlich</translation>
    </message>
    <message>
        <source>The category no longer exists</source>
        <translation>Die Kategorie existiert nicht mehr</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>Eine Umbuchung braucht zwei verschiedene Konten</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Konto der Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
    </message>
    <message>
        <source>Each split line needs a category</source>
        <translation>Jede Teilbuchung braucht eine Kategorie</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>Die Buchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The split lines add up to more than an amount can hold</source>
        <translation>Die Teilbuchungen ergeben mehr, als ein Betrag fassen kann</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>Der Betrag ist zu groß</translation>
    </message>
    <message>
        <source>The other side of this transfer is split; edit its splits to change the amount</source>
        <translation>Die andere Seite dieser Umbuchung ist aufgeteilt; bearbeiten Sie deren Aufteilung, um den Betrag zu ändern</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Umbuchung von %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Umbuchung an %1</translation>
    </message>
    <message>
        <source>The split lines could not be saved</source>
        <translation>Die Teilbuchungen konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>Die Änderung konnte nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>This transaction is split; change its amount in the split editor</source>
        <translation>Diese Buchung ist aufgeteilt; ändern Sie den Betrag im Aufteilungseditor</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nichts wiederherzustellen</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Ihre Sitzung ist abgelaufen. Melden Sie sich wieder an, um weiter zu synchronisieren.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funktioniert vollständig offline. Ihre Daten bleiben auf diesem Gerät.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>So funktioniert es</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Legen Sie ein Konto an (Girokonto, Sparkonto, Kreditkarte oder jedes andere Konto, das Sie verfolgen möchten).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Erfassen Sie Buchungen, während Sie ausgeben.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Gleichen Sie ab, wenn Ihr Kontoauszug kommt.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Willkommen zurück</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Melden Sie sich an, um Ihre Daten geräteübergreifend zu synchronisieren.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Ein anderes Konto anlegen</translation>
    </message>
    <message>
        <source>Welcome to
Orlindo Quillby</source>
        <translation>Willkommen bei
Orlindo Quillby</translation>
    </message>
    <message>
        <source>A digital quillby register.</source>
        <translation>Ein digitales Quillby-Kassenbuch.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Sie haben schon ein Konto? Anmelden</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Erstes Konto anlegen</translation>
    </message>
</context>
<context>
    <name>ZipArchiveReader</name>
    <message>
        <source>entry too large</source>
        <translation>Eintrag zu groß</translation>
    </message>
    <message>
        <source>entry data does not match its declared size</source>
        <translation>die Daten des Eintrags passen nicht zur angegebenen Größe</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is empty or missing</source>
        <translation>die Datei ist leer oder fehlt</translation>
    </message>
    <message>
        <source>unsupported compression or encryption</source>
        <translation>nicht unterstützte Kompression oder Verschlüsselung</translation>
    </message>
</context>
<context>
    <name>ZipArchiveWriter</name>
    <message>
        <source>out of memory</source>
        <translation>Speicher erschöpft</translation>
    </message>
</context>
</TS>
