<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise :</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Solde &amp;initial :</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;À la date du :</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Établissement :</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>&amp;Numéro de compte :</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Could not create the account</source>
        <translation>Impossible de créer le compte</translation>
    </message>
    <message>
        <source>Account name is required</source>
        <translation>Le nom du compte est obligatoire</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde initial</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>Le compte n&apos;existe plus</translation>
    </message>
    <message>
        <source>Could not save the account</source>
        <translation>Impossible d&apos;enregistrer le compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Could not save the order of the accounts</source>
        <translation>Impossible d&apos;enregistrer l&apos;ordre des comptes</translation>
    </message>
    <message>
        <source>Could not delete the account</source>
        <translation>Impossible de supprimer le compte</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>Impossible d&apos;annuler la modification</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>AmountEntryGuard</name>
    <message>
        <source>Enter an amount (0 for none).</source>
        <translation>Saisissez un montant (0 pour aucun).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>« %1 » n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>Enter the amount without a sign; the type says which way it goes.</source>
        <translation>Saisissez le montant sans signe ; le type indique le sens.</translation>
    </message>
    <message>
        <source>Amounts go up to %1.</source>
        <translation>Les montants vont jusqu&apos;à %1.</translation>
    </message>
    <message>
        <source>Only a whole amount can be typed here, up to %1.</source>
        <translation>Seul un montant entier peut être saisi ici, jusqu&apos;à %1.</translation>
    </message>
    <message>
        <source>Only digits and one decimal point can be typed here, up to %1.</source>
        <translation>Seuls des chiffres et un séparateur décimal peuvent être saisis ici, jusqu&apos;à %1.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier de données : %1

Vérifiez les autorisations des fichiers et réessayez.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Backup has too many entries (more than %1)</source>
        <translation>La sauvegarde contient trop d&apos;entrées (plus de %1)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>%1 is too large to restore (%2 bytes uncompressed)</source>
        <translation>%1 est trop volumineux pour être restauré (%2 octets non compressés)</translation>
    </message>
    <message>
        <source>%1: damaged entry (%2); nothing was restored</source>
        <translation>%1 : entrée endommagée (%2) ; rien n&apos;a été restauré</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide : manifest.json manquant</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge : %1</translation>
    </message>
    <message>
        <source>Backup is too large to restore (more than %1 bytes uncompressed)</source>
        <translation>La sauvegarde est trop volumineuse pour être restaurée (plus de %1 octets non compressés)</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>Impossible de restaurer la sauvegarde : %1</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1 : JSON non valide</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1 : colonne inconnue « %2 »</translation>
    </message>
    <message>
        <source>%1: unsupported value for &quot;%2&quot;</source>
        <translation>%1 : valeur non prise en charge pour « %2 »</translation>
    </message>
    <message>
        <source>Cannot write the backup: %1</source>
        <translation>Impossible d&apos;écrire la sauvegarde : %1</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>la base de données n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>The backup is damaged: the archive&apos;s table of contents does not match its entries. Nothing was restored.</source>
        <translation>La sauvegarde est endommagée : la table des matières de l&apos;archive ne correspond pas à ses entrées. Rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json gives no row count for &quot;%1&quot;</source>
        <translation>Sauvegarde non valide : manifest.json n&apos;indique aucun nombre de lignes pour « %1 »</translation>
    </message>
    <message>
        <source>The backup is damaged: manifest.json lists %1 rows in &quot;%2&quot; but the archive holds %3. Nothing was restored.</source>
        <translation>La sauvegarde est endommagée : manifest.json indique %1 lignes dans « %2 », mais l&apos;archive en contient %3. Rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>The backup could not be restored: the database ended the transaction</source>
        <translation>Impossible de restaurer la sauvegarde : la base de données a mis fin à la transaction</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Rechercher des catégories...</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer « %1 » ? Les opérations utilisant cette catégorie n&apos;auront plus de catégorie.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Ajouter une &amp;sous-catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nouvelle sous-catégorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Catégorie &amp;parente :</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Pertinent fiscalement</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Marquer cette catégorie pour l&apos;inclure dans les rapports fiscaux.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ex. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Code fiscal :</translation>
    </message>
</context>
<context>
    <name>CategoryRemoval</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sans catégorie</translation>
    </message>
    <message>
        <source>Could not delete the category. Nothing was changed.</source>
        <translation>Impossible de supprimer la catégorie. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>Cette catégorie n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Could not bring the category back.</source>
        <translation>Impossible de rétablir la catégorie.</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons caritatifs</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais d&apos;études</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts régionaux et locaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d&apos;emprunt immobilier</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/prêt immobilier</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Charges</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Essence/carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Remboursement de la voiture</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance automobile</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses alimentaires</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Repas et restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation/locataire</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automobile</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais et commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Travail indépendant / conseil</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
    <message>
        <source>Enter a name for the category.</source>
        <translation>Saisissez un nom pour la catégorie.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: at most %n characters.</source>
        <translation>
            <numerusform>Le nom est trop long : %n caractère au maximum.</numerusform>
            <numerusform>Le nom est trop long : %n caractères au maximum.</numerusform>
        </translation>
    </message>
    <message>
        <source>The name cannot contain line breaks or other control characters.</source>
        <translation>Le nom ne peut pas contenir de sauts de ligne ni d&apos;autres caractères de contrôle.</translation>
    </message>
    <message numerus="yes">
        <source>The tax code is too long: at most %n characters.</source>
        <translation>
            <numerusform>Le code fiscal est trop long : %n caractère au maximum.</numerusform>
            <numerusform>Le code fiscal est trop long : %n caractères au maximum.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tax code cannot contain line breaks or other control characters.</source>
        <translation>Le code fiscal ne peut pas contenir de sauts de ligne ni d&apos;autres caractères de contrôle.</translation>
    </message>
    <message>
        <source>A category cannot be its own parent.</source>
        <translation>Une catégorie ne peut pas être sa propre catégorie parente.</translation>
    </message>
    <message>
        <source>The parent category no longer exists.</source>
        <translation>La catégorie parente n&apos;existe plus.</translation>
    </message>
    <message>
        <source>A subcategory cannot have subcategories of its own.</source>
        <translation>Une sous-catégorie ne peut pas avoir ses propres sous-catégories.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it cannot become a subcategory itself.</source>
        <translation>« %1 » a des sous-catégories et ne peut donc pas devenir elle-même une sous-catégorie.</translation>
    </message>
    <message>
        <source>There is already a category named &quot;%1&quot;.</source>
        <translation>Il existe déjà une catégorie nommée « %1 ».</translation>
    </message>
    <message>
        <source>This category already has a subcategory named &quot;%1&quot;.</source>
        <translation>Cette catégorie a déjà une sous-catégorie nommée « %1 ».</translation>
    </message>
    <message>
        <source>Could not create the category. Nothing was changed.</source>
        <translation>Impossible de créer la catégorie. Aucune modification n&apos;a été effectuée.</translation>
    </message>
    <message>
        <source>A category with this id already exists.</source>
        <translation>Une catégorie avec cet identifiant existe déjà.</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nouvelle sous-catégorie</translation>
    </message>
    <message>
        <source>Could not save the category. Nothing was changed.</source>
        <translation>Impossible d&apos;enregistrer la catégorie. Aucune modification n&apos;a été effectuée.</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>Cette catégorie n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>The change to the category could not be undone.</source>
        <translation>Impossible d&apos;annuler la modification de la catégorie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in use now, so it cannot be taken away again. Delete the category instead.</source>
        <translation>« %1 » est désormais utilisée et ne peut donc plus être retirée. Supprimez plutôt la catégorie.</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>CategoryType</name>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
</context>
<context>
    <name>ImportFileOpener</name>
    <message>
        <source>Cannot Open File</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, QIF or OFX file.</source>
        <translation>« %1 » n&apos;est pas un fichier CSV, QIF ou OFX.</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
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
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte :</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV :</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mois J, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne de la date :</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne du bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne du montant :</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne du mémo :</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne de la catégorie :</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date :</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Choisir un ou plusieurs fichiers QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message>
        <source>Select OFX or QFX File(s)</source>
        <translation>Choisir un ou plusieurs fichiers OFX ou QFX</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>Fichiers OFX (*.ofx *.qfx);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and cannot be imported.</source>
        <translation>%1 dépasse %2 Mo et ne peut pas être importé.</translation>
    </message>
    <message>
        <source>%1 holds no rows.</source>
        <translation>%1 ne contient aucune ligne.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1 : %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse du ou des fichiers QIF...</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Reading the statement...</source>
        <translation>Lecture du relevé...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte cible</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez un compte dans lequel importer, ou créez-en un maintenant.</translation>
    </message>
    <message>
        <source>Choose the date, payee and amount columns first.</source>
        <translation>Choisissez d&apos;abord les colonnes de la date, du bénéficiaire et du montant.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importation annulée.</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>L&apos;importation a été interrompue et toutes les modifications ont été annulées. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Échec de l&apos;importation.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Une erreur de base de données a interrompu l&apos;importation et toutes les modifications ont été annulées. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée !</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement lié entre comptes</numerusform>
            <numerusform>%n virements liés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n liée à une ligne importée précédemment)</numerusform>
            <numerusform>  (dont %n liées à des lignes importées précédemment)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données – voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données – voir le journal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) not imported</source>
        <translation>
            <numerusform>%n relevé de placement non importé</numerusform>
            <numerusform>%n relevés de placement non importés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not imported.</source>
        <translation>%1 dépasse %2 Mo et n&apos;a pas été importé.</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sans en-tête de compte)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>L&apos;importation a été annulée.</translation>
    </message>
    <message>
        <source>The account to import into no longer exists.</source>
        <translation>Le compte de destination de l&apos;importation n&apos;existe plus.</translation>
    </message>
    <message>
        <source>%1 ending in %2</source>
        <translation>%1 se terminant par %2</translation>
    </message>
    <message>
        <source>No bank or credit card statement was found.</source>
        <translation>Aucun relevé bancaire ou de carte de crédit n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>OFX files cannot be imported here.</source>
        <translation>Les fichiers OFX ne peuvent pas être importés ici.</translation>
    </message>
</context>
<context>
    <name>ImportSourceMapping</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes source QIF :</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez où importer chaque compte Quicken. Les virements entre comptes associés dans les fichiers sélectionnés seront liés automatiquement.</translation>
    </message>
    <message>
        <source>OFX accounts:</source>
        <translation>Comptes OFX :</translation>
    </message>
    <message>
        <source>Choose where the statement of each bank or card account should be imported. Lines the bank already sent in an earlier import are skipped.</source>
        <translation>Choisissez où importer le relevé de chaque compte bancaire ou de carte. Les lignes que la banque a déjà envoyées lors d&apos;une importation précédente sont ignorées.</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) in the file(s) will not be imported.</source>
        <translation>
            <numerusform>%n relevé de placement du ou des fichiers ne sera pas importé.</numerusform>
            <numerusform>%n relevés de placement du ou des fichiers ne seront pas importés.</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le compte « %1 » —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
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
            <numerusform>%n opération récurrente passée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Orlindo &amp;Account...</source>
        <translation>Compte &amp;Orlindo...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations &amp;récurrentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;atégories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Orlindo Quillby</source>
        <translation>À &amp;propos d&apos;Orlindo Quillby</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Opens the release notes</source>
        <translation>Ouvre les notes de version</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>Checks for a newer version</source>
        <translation>Vérifie si une version plus récente existe</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer des &amp;commentaires...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Charger des données d&apos;&amp;exemple</translation>
    </message>
    <message>
        <source>Loads a demonstration data set</source>
        <translation>Charge un jeu de données de démonstration</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Effacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>Removes the demonstration data set</source>
        <translation>Supprime le jeu de données de démonstration</translation>
    </message>
    <message>
        <source>Welcome to Orlindo Quillby</source>
        <translation>Bienvenue dans Orlindo Quillby</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gérer votre compte</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Se connecter ou s&apos;inscrire</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier « %1 »...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer « %1 »</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer « %1 » ?

Toutes les opérations, opérations récurrentes et l&apos;historique de rapprochement de ce compte seront supprimés. Vous pourrez le restaurer dans Préférences → Données et synchronisation.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>About Orlindo Quillby</source>
        <translation>À propos d&apos;Orlindo Quillby</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion : %1</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Could not sign in: %1</source>
        <translation>Connexion impossible : %1</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Cette opération n&apos;existe plus</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>Autre compte</translation>
    </message>
    <message>
        <source>This file has been syncing with another Orlindo account. Upload its accounts and transactions to the account you just signed in with?

If you keep it on this computer, nothing of it is synced while you are signed in with this account.</source>
        <translation>Ce fichier était synchronisé avec un autre compte Orlindo. Envoyer ses comptes et opérations vers le compte avec lequel vous venez de vous connecter ?

Si vous le gardez sur cet ordinateur, rien n&apos;en sera synchronisé tant que vous serez connecté avec ce compte.</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>Envoyer vers ce compte</translation>
    </message>
    <message>
        <source>Keep on This Computer</source>
        <translation>Garder sur cet ordinateur</translation>
    </message>
    <message>
        <source>Your session has ended.</source>
        <translation>Votre session a pris fin.</translation>
    </message>
    <message>
        <source>Orlindo Account</source>
        <translation>Compte Orlindo</translation>
    </message>
    <message>
        <source>Imports transactions from CSV, QIF and OFX/QFX files</source>
        <translation>Importe des opérations depuis des fichiers CSV, QIF et OFX/QFX</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d&apos;exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple effacées</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own entries still use:

%1</source>
        <translation>Les données d&apos;exemple ont été effacées, sauf ce qu&apos;utilisent encore vos propres saisies :

%1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above (into an empty or fully selected field; elsewhere it is typed)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registre&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Enregistrer l&apos;opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insérer une nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Supprimer l&apos;opération en cours&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Maj+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Champ suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copier la valeur du champ du dessus (dans un champ vide ou entièrement sélectionné ; ailleurs, le caractère est saisi)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Champ de date&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aujourd&apos;hui&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Jour suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour du mois&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de l&apos;année&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de la semaine&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Général&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouveau compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapprocher le compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rechercher des opérations&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Opérations récurrentes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Catégories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Comptes&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Passer au compte 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Passer au compte 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A register for tracking your household finances.&lt;/p&gt;&lt;p&gt;Made by Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This program uses the Qt framework under the GNU LGPL version 3 and Qt Charts under the GNU GPL version 3; the program itself is free software under the GNU GPL version 3 or later. See &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; and &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; for Qt and its source code, and &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; for the licence.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un registre pour suivre les finances du foyer.&lt;/p&gt;&lt;p&gt;Conçu par Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;Ce programme utilise le framework Qt sous GNU LGPL version 3 et Qt Charts sous GNU GPL version 3 ; le programme lui-même est un logiciel libre sous GNU GPL version 3 ou ultérieure. Voir &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; et &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; pour Qt et son code source, et &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; pour la licence.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
</context>
<context>
    <name>MatchingTransactionsDialog</name>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n opération</numerusform>
            <numerusform>%n opérations</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>No transactions match any more.</source>
        <translation>Plus aucune opération ne correspond.</translation>
    </message>
</context>
<context>
    <name>OfxParser</name>
    <message>
        <source>This is not an OFX or QFX file.</source>
        <translation>Ce n&apos;est pas un fichier OFX ou QFX.</translation>
    </message>
    <message>
        <source>The file ends before its statement does; it may have been cut off.</source>
        <translation>Le fichier se termine avant son relevé ; il a peut-être été tronqué.</translation>
    </message>
    <message>
        <source>The file is damaged: a section of it is not closed.</source>
        <translation>Le fichier est endommagé : une de ses sections n&apos;est pas fermée.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement(s), more than one import can read.</source>
        <translation>
            <numerusform>Le fichier contient plus de %n relevé, plus qu&apos;une importation ne peut en lire.</numerusform>
            <numerusform>Le fichier contient plus de %n relevés, plus qu&apos;une importation ne peut en lire.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is damaged: a statement line is not closed.</source>
        <translation>Le fichier est endommagé : une ligne de relevé n&apos;est pas fermée.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement line(s), more than one import can read.</source>
        <translation>
            <numerusform>Le fichier contient plus de %n ligne de relevé, plus qu&apos;une importation ne peut en lire.</numerusform>
            <numerusform>Le fichier contient plus de %n lignes de relevé, plus qu&apos;une importation ne peut en lire.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a bank or credit card statement OFX file.</source>
        <translation>Ce n&apos;est pas un fichier OFX de relevé bancaire ou de carte de crédit.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not read.</source>
        <translation>%1 dépasse %2 Mo et n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB and was not read.</source>
        <translation>Le fichier dépasse %1 Mo et n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>No temporary file could be made to read the statement.</source>
        <translation>Impossible de créer un fichier temporaire pour lire le relevé.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Appareils synchronisés avec votre compte.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Aucun appareil enregistré.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Retirer l&apos;appareil</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Retirer %1 ?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Appareil retiré.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Vous ne faites partie d&apos;aucun groupe. Le propriétaire du groupe peut vous inviter, ou vous pouvez rejoindre un groupe avec un code d&apos;invitation.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Rejoindre avec un code d&apos;invitation</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitations en attente</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Code d&apos;invitation : %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Inviter des membres</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Inviter par e-mail</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Générer un code d&apos;invitation</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Quitter le groupe</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Rejoindre le groupe</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Saisissez le code d&apos;invitation :</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Code d&apos;invitation non valide ou expiré.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Vous avez rejoint le groupe.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>Retirer %1 du groupe ?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 a été retiré.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation révoquée.</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>Impossible de révoquer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Impossible d&apos;envoyer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation envoyée.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Impossible de générer le code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Code d&apos;invitation</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Communiquez ce code à la personne que vous voulez inviter :

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Quitter ce groupe ? Vous perdrez l&apos;accès aux données partagées.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Vous avez quitté le groupe.</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>Impossible de quitter le groupe.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Vous êtes le propriétaire du groupe. Transférez la propriété ou retirez tous les membres avant de supprimer votre compte.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zone de danger</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Supprime définitivement votre compte. Après 30 jours, c&apos;est irréversible.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Votre compte sera programmé pour une suppression définitive dans 30 jours.

Tapez DELETE pour confirmer :</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Suppression du compte programmée</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Votre compte sera définitivement supprimé dans 30 jours. Vous pouvez le récupérer en vous connectant d&apos;ici là.</translation>
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
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Modifier le nom d&apos;affichage</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Changez le mot de passe de votre compte.</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nom d&apos;affichage :</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Impossible de mettre à jour le profil.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nom d&apos;affichage mis à jour.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Mot de passe actuel :</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nouveau mot de passe (8 caractères min.) :</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Le mot de passe doit comporter au moins 8 caractères.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmez le nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Impossible de changer le mot de passe.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Mot de passe modifié.</translation>
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
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Actif maintenant</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Client inconnu</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sessions actives</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions actuellement connectées à votre compte.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Aucune session active.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session révoquée.</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>Impossible de révoquer la session.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ApiClient</name>
    <message>
        <source>Refusing to send sign-in credentials over an unencrypted connection to %1</source>
        <translation>Refus d&apos;envoyer les identifiants de connexion à %1 par une connexion non chiffrée</translation>
    </message>
    <message>
        <source>The answer from %1 is too large</source>
        <translation>La réponse de %1 est trop volumineuse</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 n&apos;a pas répondu à temps</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AuthClient</name>
    <message>
        <source>The sign-in was not completed in time. Please try again.</source>
        <translation>La connexion n&apos;a pas abouti à temps. Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personnes ayant accès</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Ajouter des personnes</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Pas encore partagé.</translation>
    </message>
    <message>
        <source>You are not in a family group yet.</source>
        <translation>Vous ne faites pas encore partie d&apos;un groupe familial.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Tous les membres du groupe ont déjà accès</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Retirer l&apos;accès ?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 n&apos;aura plus accès. Continuer ?</translation>
    </message>
    <message>
        <source>Or share with someone by their e-mail address:</source>
        <translation>Ou partagez avec quelqu&apos;un via son adresse e-mail :</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nom@exemple.com</translation>
    </message>
    <message>
        <source>The service did not answer.</source>
        <translation>Le service n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>Could not load who has access: %1</source>
        <translation>Impossible de charger qui a accès : %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Once it has synced, you can share it.</source>
        <translation>Ce compte n&apos;a pas encore atteint le service de synchronisation. Une fois synchronisé, vous pourrez le partager.</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Sync it, then share it.</source>
        <translation>Ce compte n&apos;a pas encore atteint le service de synchronisation. Synchronisez-le, puis partagez-le.</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Enter an e-mail address such as name@example.com.</source>
        <translation>Saisissez une adresse e-mail comme nom@exemple.com.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::SyncApiSharingBackend</name>
    <message>
        <source>Failed to load the members (HTTP %1)</source>
        <translation>Impossible de charger les membres (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to remove access (HTTP %1)</source>
        <translation>Impossible de retirer l&apos;accès (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>OrlUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour : %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Les notes de version ne sont pas disponibles pour cette version.*</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::WhatsNewDialog</name>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en :</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner des bénéficiaires</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en « %2 » ?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Rename Payee</source>
        <translation>Renommer le bénéficiaire</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Renommer les bénéficiaires</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner des bénéficiaires</translation>
    </message>
    <message>
        <source>Enter the new payee name.</source>
        <translation>Saisissez le nouveau nom du bénéficiaire.</translation>
    </message>
    <message>
        <source>Could not rename the payee: the database is busy.</source>
        <translation>Impossible de renommer le bénéficiaire : la base de données est occupée.</translation>
    </message>
    <message>
        <source>Could not rename the payee. Nothing was changed.</source>
        <translation>Impossible de renommer le bénéficiaire. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The transactions of this payee no longer exist.</source>
        <translation>Les opérations de ce bénéficiaire n&apos;existent plus.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l&apos;instant. Rapprochez votre compte depuis le registre pour voir l&apos;historique ici.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
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
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pointé</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé :</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé :</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Dépôts pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retraits pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l&apos;opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l&apos;opération sélectionnée (Suppr)</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprochement — %1</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>Rapprochement inachevé</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Compte rapproché avec succès.</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Opération non enregistrée</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l&apos;opération de %1 ?</translation>
    </message>
    <message>
        <source>Delete the transfer for %1?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement de %1 ?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>Opération non supprimée</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciled balance of this account could not be read</source>
        <translation>Impossible de lire le solde rapproché de ce compte</translation>
    </message>
    <message>
        <source>The reconciled transactions add up to more than an amount can hold</source>
        <translation>Les opérations rapprochées totalisent plus qu&apos;un montant ne peut contenir</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>Le compte n&apos;existe plus</translation>
    </message>
    <message>
        <source>%1 changed while you were reconciling. Nothing was saved; look over the list and finish again.</source>
        <translation>%1 a changé pendant le rapprochement. Rien n&apos;a été enregistré ; vérifiez la liste et terminez à nouveau.</translation>
    </message>
    <message>
        <source>Enter a valid statement date</source>
        <translation>Saisissez une date de relevé valide</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved</source>
        <translation>Impossible d&apos;enregistrer le rapprochement</translation>
    </message>
    <message>
        <source>The reconciled balance of this account</source>
        <translation>Le solde rapproché de ce compte</translation>
    </message>
    <message>
        <source>The transaction %1 is ticked twice</source>
        <translation>L&apos;opération %1 est cochée deux fois</translation>
    </message>
    <message>
        <source>The transaction %1</source>
        <translation>L&apos;opération %1</translation>
    </message>
    <message>
        <source>The ticked transactions add up to more than an amount can hold</source>
        <translation>Les opérations cochées totalisent plus qu&apos;un montant ne peut contenir</translation>
    </message>
    <message>
        <source>The ticked transactions do not add up to the statement balance</source>
        <translation>Les opérations cochées ne correspondent pas au solde du relevé</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>A une date de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Passer automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin :</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Saisir à l&apos;avance :</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer toutes les échéances</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Saisir les 7 prochains jours</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle récurrence</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 à échéance)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Saisir en &amp;avance...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>Saisir « %1 » maintenant, à la date du %2 ? L&apos;opération prend sa date d&apos;échéance et vous pourrez la modifier ou la supprimer plus tard.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Saisir en avance</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l&apos;opération récurrente « %1 » ?</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Saisir toutes les opérations récurrentes à échéance dans les 7 prochains jours ? Elles prennent leurs dates d&apos;échéance et vous pourrez les modifier ou les supprimer plus tard.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: it was still behind after %2 postings in one run (next due %3). Check its dates, then edit it and turn Active back on.</source>
        <translation>« %1 » a été désactivée : elle restait en retard après %2 passages en une fois (prochaine échéance %3). Vérifiez ses dates, puis modifiez-la et réactivez-la.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: its next due date is not a usable date. Edit it, set its start date and turn Active back on.</source>
        <translation>« %1 » a été désactivée : sa prochaine échéance n&apos;est pas une date utilisable. Modifiez-la, définissez sa date de début et réactivez-la.</translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n, one for each template that was due.</source>
        <translation>
            <numerusform>Opérations passées : %n, une par modèle à échéance.</numerusform>
            <numerusform>Opérations passées : %n, une par modèle à échéance.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was due.</source>
        <translation>Rien n&apos;était à échéance.</translation>
    </message>
    <message>
        <source>Nothing could be posted.</source>
        <translation>Rien n&apos;a pu être saisi.</translation>
    </message>
    <message numerus="yes">
        <source>Templates still due: %n. Confirm All Due posts one occurrence of each at a time; Enter Next 7 Days posts all of them.</source>
        <translation>
            <numerusform>Modèle encore à échéance : %n. « Confirmer toutes les échéances » passe une occurrence de chacun à la fois ; « Saisir les 7 prochains jours » les passe toutes.</numerusform>
            <numerusform>Modèles encore à échéance : %n. « Confirmer toutes les échéances » passe une occurrence de chacun à la fois ; « Saisir les 7 prochains jours » les passe toutes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n.</source>
        <translation>
            <numerusform>Opérations passées : %n.</numerusform>
            <numerusform>Opérations passées : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due in the next 7 days.</source>
        <translation>Rien n&apos;arrive à échéance dans les 7 prochains jours.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>Impossible d&apos;enregistrer l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>Impossible de supprimer l&apos;opération récurrente</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>[Transfer] %1</source>
        <translation>[Virement] %1</translation>
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
        <translation>N°</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / mémo</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1 : enregistrer  |  Entrée : suivant  |  %2 : supprimer  |  %3 : mémoriser  |  &apos; : copier au-dessus</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Afficher les colonnes</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Réinitialiser la disposition du registre</translation>
    </message>
    <message>
        <source>  ·  *%1</source>
        <translation>  ·  *%1</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant de paiement ou de dépôt</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer « %1 » de %2 ?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement « %1 » de %2 ?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Impossible de mémoriser : l&apos;opération d&apos;origine a une date non valide</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insérer une nouvelle</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Modifier dans une boîte de dialogue...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>&amp;Ventiler l&apos;opération...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme &amp;non pointée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme &amp;pointée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Your unsaved entry is back</source>
        <translation>Votre saisie non enregistrée est de retour</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>« %1 » n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>Le montant est trop élevé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>« %1 » n&apos;est pas une date</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;; choose one from the list</source>
        <translation>Il n&apos;existe pas de catégorie « %1 » ; choisissez-en une dans la liste</translation>
    </message>
</context>
<context>
    <name>ReportChartView</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1
%2: %3</source>
        <translation>%1
%2 : %3</translation>
    </message>
    <message>
        <source>Nothing to chart for this period</source>
        <translation>Rien à afficher pour cette période</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Show chart</source>
        <translation>Afficher le graphique</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année vs année dernière</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Année dernière vs année précédente</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre vs trimestre dernier</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Année dernière</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Toute la période</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus vs dépenses</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>D&apos;une année sur l&apos;autre</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Double-click a category, or click its bar, to list its transactions.</source>
        <translation>Double-cliquez sur une catégorie, ou cliquez sur sa barre, pour lister ses opérations.</translation>
    </message>
    <message>
        <source>Double-click a payee to list its transactions.</source>
        <translation>Double-cliquez sur un bénéficiaire pour lister ses opérations.</translation>
    </message>
    <message>
        <source>Click a bar to list the transactions of that category and period.</source>
        <translation>Cliquez sur une barre pour lister les opérations de cette catégorie et de cette période.</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer :</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1 :</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2 :</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1 : %1 – %2    P2 : %3 – %4</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Spending on %1</source>
        <translation>Dépenses pour %1</translation>
    </message>
    <message>
        <source>Transactions with %1</source>
        <translation>Opérations avec %1</translation>
    </message>
    <message>
        <source>%1, %2 – %3</source>
        <translation>%1, %2 – %3</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.

%2</source>
        <translation>Impossible d&apos;enregistrer le rapport sous « %1 ».

%2</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Compte courant principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
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
        <translation>Salaire bimensuel</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Loyer de février</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Courses de la semaine</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Plein d&apos;essence</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Facture d&apos;électricité</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Facture d&apos;eau</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Streaming mensuel</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Dîner au restaurant</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Don mensuel</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Virement vers l&apos;épargne</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Loyer de mars</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Abonnement internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Médicaments sur ordonnance</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Café et viennoiserie</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Versement d&apos;intérêts</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Virement depuis le compte courant</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Livraison de repas</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Coque de téléphone</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Forfait de stockage en ligne</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Paiement - Merci</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Paiement de la carte de crédit</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grains</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Livres de programmation</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>Hub USB</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>Sample data could not be loaded: %1</source>
        <translation>Impossible de charger les données d&apos;exemple : %1</translation>
    </message>
    <message>
        <source>Sample data could not be cleared: %1</source>
        <translation>Impossible d&apos;effacer les données d&apos;exemple : %1</translation>
    </message>
    <message>
        <source>your transactions use them</source>
        <translation>vos opérations les utilisent</translation>
    </message>
    <message>
        <source>your split lines belong to them</source>
        <translation>vos lignes de ventilation leur appartiennent</translation>
    </message>
    <message>
        <source>your recurring transactions use them</source>
        <translation>vos opérations récurrentes les utilisent</translation>
    </message>
    <message>
        <source>your reconciliations use them</source>
        <translation>vos rapprochements les utilisent</translation>
    </message>
    <message>
        <source>your categories use them</source>
        <translation>vos catégories les utilisent</translation>
    </message>
    <message>
        <source>your transaction templates use them</source>
        <translation>vos modèles d&apos;opération les utilisent</translation>
    </message>
    <message>
        <source>other sample rows that stay use them</source>
        <translation>d&apos;autres lignes d&apos;exemple conservées les utilisent</translation>
    </message>
    <message numerus="yes">
        <source>%n sample account(s) stay because %1</source>
        <translation>
            <numerusform>%n compte d&apos;exemple est conservé car %1</numerusform>
            <numerusform>%n comptes d&apos;exemple sont conservés car %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample transaction(s) stay because %1</source>
        <translation>
            <numerusform>%n opération d&apos;exemple est conservée car %1</numerusform>
            <numerusform>%n opérations d&apos;exemple sont conservées car %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample recurring transaction(s) stay because %1</source>
        <translation>
            <numerusform>%n opération récurrente d&apos;exemple est conservée car %1</numerusform>
            <numerusform>%n opérations récurrentes d&apos;exemple sont conservées car %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample split line(s) stay because %1</source>
        <translation>
            <numerusform>%n ligne de ventilation d&apos;exemple est conservée car %1</numerusform>
            <numerusform>%n lignes de ventilation d&apos;exemple sont conservées car %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample reconciliation(s) stay because %1</source>
        <translation>
            <numerusform>%n rapprochement d&apos;exemple est conservé car %1</numerusform>
            <numerusform>%n rapprochements d&apos;exemple sont conservés car %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
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
        <translation>Rapprochée</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Not cleared</source>
        <translation>Non pointée</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher un bénéficiaire, un mémo, un n° de chèque...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Plage de dates :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <source>Clear Report Filter</source>
        <translation>Retirer le filtre du rapport</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches; narrow the search to see older ones.</source>
        <translation>
            <numerusform>Affichage de la correspondance la plus récente (%n) ; affinez la recherche pour voir les plus anciennes.</numerusform>
            <numerusform>Affichage des %n correspondances les plus récentes ; affinez la recherche pour voir les plus anciennes.</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions match.</source>
        <translation>Aucune opération ne correspond.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n opération trouvée.</numerusform>
            <numerusform>%n opérations trouvées.</numerusform>
        </translation>
    </message>
    <message>
        <source>category “%1”</source>
        <translation>catégorie « %1 »</translation>
    </message>
    <message>
        <source>payee “%1”</source>
        <translation>bénéficiaire « %1 »</translation>
    </message>
    <message>
        <source>expenses only</source>
        <translation>dépenses uniquement</translation>
    </message>
    <message>
        <source>accounts in %1</source>
        <translation>comptes de type %1</translation>
    </message>
    <message>
        <source>an account no longer listed</source>
        <translation>un compte qui n&apos;est plus listé</translation>
    </message>
    <message>
        <source>From a report</source>
        <translation>Depuis un rapport</translation>
    </message>
    <message>
        <source>From the report figure “%1”</source>
        <translation>Depuis le chiffre du rapport « %1 »</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message numerus="yes">
        <source>The search text is too long: at most %n characters.</source>
        <translation>
            <numerusform>Le texte recherché est trop long : %n caractère au maximum.</numerusform>
            <numerusform>Le texte recherché est trop long : %n caractères au maximum.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Search for at most %n words at a time.</source>
        <translation>
            <numerusform>Recherchez au plus %n mot à la fois.</numerusform>
            <numerusform>Recherchez au plus %n mots à la fois.</numerusform>
        </translation>
    </message>
    <message>
        <source>The transactions could not be searched.</source>
        <translation>Impossible de rechercher dans les opérations.</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Un registre numérique quillby pour suivre les finances du foyer.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license and Qt Charts under the GPL v3; it is free software under the GPL v3 or later.</source>
        <translation>Cette application utilise le framework Qt sous licence LGPL v3 et Qt Charts sous GPL v3 ; c&apos;est un logiciel libre sous GPL v3 ou ultérieure.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby on the web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby sur le web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby pour votre téléphone&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your quillby in sync across all your devices.</source>
        <translation>Gardez votre quillby synchronisé sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez ou restaurez vos données dans un fichier de sauvegarde portable.</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder le plus récent (comparer les horodatages)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d&apos;écrire dans :
%1</translation>
    </message>
    <message>
        <source>The backup could not be made from the database.</source>
        <translation>Impossible de créer la sauvegarde à partir de la base de données.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written. %3</source>
        <translation>Seuls %1 octets sur %2 ont pu être écrits. %3</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes ?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>%n erreur s&apos;est produite.</numerusform>
            <numerusform>%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
</context>
<context>
    <name>SettingsDeletedAccounts</name>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Vous pouvez restaurer ici les comptes que vous avez supprimés.</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>Impossible de restaurer « %1 ». Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Orlindo Quillby looks.</source>
        <translation>Réglez l&apos;apparence d&apos;Orlindo Quillby.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semaine commence le</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Orlindo Quillby.</source>
        <translation>La nouvelle langue s&apos;appliquera au prochain démarrage d&apos;Orlindo Quillby.</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Lignes sur deux niveaux</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher d&apos;abord les opérations les plus récentes</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Comment les opérations apparaissent dans le registre.</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher le mémo sur une deuxième ligne sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Réglez l&apos;ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si activé, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>SettingsSyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Orlindo Account to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Compte Orlindo pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que :&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État :&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Erreur : %1</translation>
    </message>
    <message>
        <source>A sync is under way; a full sync can start once it has finished.</source>
        <translation>Une synchronisation est en cours ; une synchronisation complète pourra démarrer une fois celle-ci terminée.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>A sync is under way. Start the full sync once it has finished.</source>
        <translation>Une synchronisation est en cours. Lancez la synchronisation complète une fois celle-ci terminée.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales seront de nouveau envoyées au serveur et toutes les données du serveur seront de nouveau téléchargées. Utilisez cette option si les données semblent désynchronisées entre les appareils.

Continuer ?</translation>
    </message>
</context>
<context>
    <name>ShareAccountLauncher</name>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Orlindo account.</source>
        <translation>Le partage nécessite un compte Orlindo.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage : %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Orlindo family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Orlindo. Ils verront le même registre, les mêmes soldes et le même historique de rapprochement sur leurs appareils.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Pas encore partagé.</translation>
    </message>
    <message>
        <source>You&apos;re not in a family group. Start one or join one in File › Orlindo Account › Group, or share by e-mail address below.</source>
        <translation>Vous ne faites partie d&apos;aucun groupe familial. Créez-en un ou rejoignez-en un dans Fichier › Compte Orlindo › Groupe, ou partagez par adresse e-mail ci-dessous.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer à %1 l&apos;accès à ce compte ?</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Reste : %1</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 less than the transaction&apos;s %3.</source>
        <translation>Les lignes totalisent %1, soit %2 de moins que les %3 de l&apos;opération.</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 more than the transaction&apos;s %3.</source>
        <translation>Les lignes totalisent %1, soit %2 de plus que les %3 de l&apos;opération.</translation>
    </message>
    <message>
        <source>Add a Line for %1</source>
        <translation>Ajouter une ligne de %1</translation>
    </message>
    <message>
        <source>Change the Total to %1</source>
        <translation>Changer le total en %1</translation>
    </message>
    <message>
        <source>Lower the lines so they add up to %1.</source>
        <translation>Réduisez les lignes pour que leur total soit %1.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Choose a category for every split line with an amount.</source>
        <translation>Choisissez une catégorie pour chaque ligne de ventilation ayant un montant.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Ajouter une ligne</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Retirer</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Quillby, a register for household finances.</source>
        <translation>Quillby, un registre pour les finances du foyer.</translation>
    </message>
    <message>
        <source>Open (or create) the database, build the main window without showing it, print the database&apos;s path and exit.</source>
        <translation>Ouvre (ou crée) la base de données, construit la fenêtre principale sans l&apos;afficher, affiche le chemin de la base de données et quitte.</translation>
    </message>
    <message>
        <source>A CSV, QIF or OFX file to import.</source>
        <translation>Un fichier CSV, QIF ou OFX à importer.</translation>
    </message>
    <message>
        <source>Give at most one file to import.</source>
        <translation>Indiquez au plus un fichier à importer.</translation>
    </message>
    <message>
        <source>--check-start takes no file.</source>
        <translation>--check-start n&apos;accepte aucun fichier.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Le nom de fichier est vide.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>Le nom de fichier est trop long.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name this program can open.</source>
        <translation>« %1 » n&apos;est pas un nom de fichier que ce programme peut ouvrir.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>« %1 » est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>« %1 » n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Le fichier « %1 » ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n récurrence à échéance</numerusform>
            <numerusform>  •  %n récurrences à échéance</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Sync failed: the server did not answer in time</source>
        <translation>Échec de la synchronisation : le serveur n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be read</source>
        <translation>Échec de la synchronisation : impossible de lire les données locales</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Échec de l&apos;envoi (HTTP %1)</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be updated</source>
        <translation>Échec de la synchronisation : impossible de mettre à jour les données locales</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Échec de la réception (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer has no position to continue from</source>
        <translation>Échec de la réception : la réponse du serveur n&apos;indique aucune position à partir de laquelle continuer</translation>
    </message>
    <message>
        <source>Pull failed: %1</source>
        <translation>Échec de la réception : %1</translation>
    </message>
</context>
<context>
    <name>SyncOwnership</name>
    <message>
        <source>No account is signed in.</source>
        <translation>Aucun compte n&apos;est connecté.</translation>
    </message>
    <message>
        <source>The data could not be prepared for upload.</source>
        <translation>Impossible de préparer les données pour l&apos;envoi.</translation>
    </message>
</context>
<context>
    <name>SyncPageApplier</name>
    <message>
        <source>a pulled row could not be stored</source>
        <translation>une ligne reçue n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>the database is busy</source>
        <translation>la base de données est occupée</translation>
    </message>
    <message>
        <source>the sync position could not be stored</source>
        <translation>la position de synchronisation n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>the pulled rows refer to records that are missing</source>
        <translation>les lignes reçues font référence à des enregistrements manquants</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Détails de l&apos;opération</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Virement vers :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Saisie : %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Dernière modification : %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Lignes de ventilation</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(aucune ligne de ventilation enregistrée)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochée</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointée</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marquer comme non pointée</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marquer comme pointée</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer « %1 » de %2 ?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement « %1 » de %2 ?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
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
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Ventiler...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Ventiler cette opération sur plusieurs catégories, chacune avec son montant et son mémo.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Utiliser une seule catégorie</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Abandonner la ventilation et revenir à une opération à catégorie unique.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>L&apos;opération n&apos;existe plus</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marquer comme pointée</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marquer comme non pointée</translation>
    </message>
    <message>
        <source>Edit Splits</source>
        <translation>Modifier la ventilation</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>Impossible de supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>Le compte n&apos;existe plus</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Saisissez une date valide</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>The category no longer exists</source>
        <translation>La catégorie n&apos;existe plus</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>Un virement nécessite deux comptes différents</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
    </message>
    <message>
        <source>Each split line needs a category</source>
        <translation>Chaque ligne de ventilation nécessite une catégorie</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>Impossible d&apos;enregistrer l&apos;opération</translation>
    </message>
    <message>
        <source>The split lines add up to more than an amount can hold</source>
        <translation>Les lignes de ventilation totalisent plus qu&apos;un montant ne peut contenir</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>Le montant est trop élevé</translation>
    </message>
    <message>
        <source>The other side of this transfer is split; edit its splits to change the amount</source>
        <translation>L&apos;autre côté de ce virement est ventilé ; modifiez sa ventilation pour changer le montant</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Virement depuis %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Virement vers %1</translation>
    </message>
    <message>
        <source>The split lines could not be saved</source>
        <translation>Impossible d&apos;enregistrer les lignes de ventilation</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>Impossible d&apos;annuler la modification</translation>
    </message>
    <message>
        <source>This transaction is split; change its amount in the split editor</source>
        <translation>Cette opération est ventilée ; changez son montant dans l&apos;éditeur de ventilation</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Votre session a pris fin. Reconnectez-vous pour continuer la synchronisation.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Fonctionne entièrement hors ligne. Vos données restent sur cet appareil.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Comment ça marche</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Ajoutez un compte (courant, épargne, carte de crédit ou tout autre compte à suivre).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Enregistrez les opérations au fil de vos dépenses.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Rapprochez dès que votre relevé arrive.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bon retour</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Connectez-vous pour garder vos données synchronisées entre vos appareils.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Créer un autre compte</translation>
    </message>
    <message>
        <source>Welcome to
Orlindo Quillby</source>
        <translation>Bienvenue dans
Orlindo Quillby</translation>
    </message>
    <message>
        <source>A digital quillby register.</source>
        <translation>Un registre numérique quillby.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte ? Connectez-vous</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Créez votre premier compte</translation>
    </message>
</context>
<context>
    <name>ZipArchiveReader</name>
    <message>
        <source>entry too large</source>
        <translation>entrée trop volumineuse</translation>
    </message>
    <message>
        <source>entry data does not match its declared size</source>
        <translation>les données de l&apos;entrée ne correspondent pas à la taille déclarée</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is empty or missing</source>
        <translation>le fichier est vide ou manquant</translation>
    </message>
    <message>
        <source>unsupported compression or encryption</source>
        <translation>compression ou chiffrement non pris en charge</translation>
    </message>
</context>
<context>
    <name>ZipArchiveWriter</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
</TS>
