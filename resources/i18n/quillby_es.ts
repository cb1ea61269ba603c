<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;A fecha de:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Institución:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>&amp;Número de cuenta:</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Could not create the account</source>
        <translation>No se pudo crear la cuenta</translation>
    </message>
    <message>
        <source>Account name is required</source>
        <translation>El nombre de la cuenta es obligatorio</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>La cuenta ya no existe</translation>
    </message>
    <message>
        <source>Could not save the account</source>
        <translation>No se pudo guardar la cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Could not save the order of the accounts</source>
        <translation>No se pudo guardar el orden de las cuentas</translation>
    </message>
    <message>
        <source>Could not delete the account</source>
        <translation>No se pudo eliminar la cuenta</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>No se pudo deshacer el cambio</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>AmountEntryGuard</name>
    <message>
        <source>Enter an amount (0 for none).</source>
        <translation>Introduzca un importe (0 si no hay).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>«%1» no es un importe.</translation>
    </message>
    <message>
        <source>Enter the amount without a sign; the type says which way it goes.</source>
        <translation>Introduzca el importe sin signo; el tipo indica en qué sentido va.</translation>
    </message>
    <message>
        <source>Amounts go up to %1.</source>
        <translation>Los importes llegan hasta %1.</translation>
    </message>
    <message>
        <source>Only a whole amount can be typed here, up to %1.</source>
        <translation>Aquí solo se puede escribir un importe entero, hasta %1.</translation>
    </message>
    <message>
        <source>Only digits and one decimal point can be typed here, up to %1.</source>
        <translation>Aquí solo se pueden escribir dígitos y un punto decimal, hasta %1.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>No se pudo inicializar la base de datos.

Directorio de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Backup has too many entries (more than %1)</source>
        <translation>La copia de seguridad tiene demasiadas entradas (más de %1)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>%1 is too large to restore (%2 bytes uncompressed)</source>
        <translation>%1 es demasiado grande para restaurarlo (%2 bytes sin comprimir)</translation>
    </message>
    <message>
        <source>%1: damaged entry (%2); nothing was restored</source>
        <translation>%1: entrada dañada (%2); no se restauró nada</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no admitida: %1</translation>
    </message>
    <message>
        <source>Backup is too large to restore (more than %1 bytes uncompressed)</source>
        <translation>La copia de seguridad es demasiado grande para restaurarla (más de %1 bytes sin comprimir)</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>No se pudo restaurar la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: columna desconocida «%2»</translation>
    </message>
    <message>
        <source>%1: unsupported value for &quot;%2&quot;</source>
        <translation>%1: valor no admitido para «%2»</translation>
    </message>
    <message>
        <source>Cannot write the backup: %1</source>
        <translation>No se puede escribir la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>la base de datos no está abierta</translation>
    </message>
    <message>
        <source>The backup is damaged: the archive&apos;s table of contents does not match its entries. Nothing was restored.</source>
        <translation>La copia de seguridad está dañada: el índice del archivo no coincide con sus entradas. No se restauró nada.</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json gives no row count for &quot;%1&quot;</source>
        <translation>Copia de seguridad no válida: manifest.json no indica el número de filas de «%1»</translation>
    </message>
    <message>
        <source>The backup is damaged: manifest.json lists %1 rows in &quot;%2&quot; but the archive holds %3. Nothing was restored.</source>
        <translation>La copia de seguridad está dañada: manifest.json indica %1 filas en «%2», pero el archivo contiene %3. No se restauró nada.</translation>
    </message>
    <message>
        <source>The backup could not be restored: the database ended the transaction</source>
        <translation>No se pudo restaurar la copia de seguridad: la base de datos terminó la transacción</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Buscar categorías...</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar «%1»? Los movimientos que usan esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Añadir &amp;subcategoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Categoría &amp;superior:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Relevante para impuestos</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Marcar esta categoría para incluirla en los informes fiscales.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ej., charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Código fiscal:</translation>
    </message>
</context>
<context>
    <name>CategoryRemoval</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>Could not delete the category. Nothing was changed.</source>
        <translation>No se pudo eliminar la categoría. No se cambió nada.</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>Esta categoría ya no existe.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Could not bring the category back.</source>
        <translation>No se pudo recuperar la categoría.</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donaciones benéficas</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos de empresa</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de educación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre bienes inmuebles</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Gasolina/combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Cuota del automóvil</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del automóvil</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Comidas y restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar/inquilinos</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salario / sueldo</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Trabajo autónomo / consultoría</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
    <message>
        <source>Enter a name for the category.</source>
        <translation>Introduzca un nombre para la categoría.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: at most %n characters.</source>
        <translation>
            <numerusform>El nombre es demasiado largo: como máximo %n carácter.</numerusform>
            <numerusform>El nombre es demasiado largo: como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The name cannot contain line breaks or other control characters.</source>
        <translation>El nombre no puede contener saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message numerus="yes">
        <source>The tax code is too long: at most %n characters.</source>
        <translation>
            <numerusform>El código fiscal es demasiado largo: como máximo %n carácter.</numerusform>
            <numerusform>El código fiscal es demasiado largo: como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The tax code cannot contain line breaks or other control characters.</source>
        <translation>El código fiscal no puede contener saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>A category cannot be its own parent.</source>
        <translation>Una categoría no puede ser su propia categoría superior.</translation>
    </message>
    <message>
        <source>The parent category no longer exists.</source>
        <translation>La categoría superior ya no existe.</translation>
    </message>
    <message>
        <source>A subcategory cannot have subcategories of its own.</source>
        <translation>Una subcategoría no puede tener subcategorías propias.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it cannot become a subcategory itself.</source>
        <translation>«%1» tiene subcategorías, por lo que no puede convertirse en subcategoría.</translation>
    </message>
    <message>
        <source>There is already a category named &quot;%1&quot;.</source>
        <translation>Ya existe una categoría llamada «%1».</translation>
    </message>
    <message>
        <source>This category already has a subcategory named &quot;%1&quot;.</source>
        <translation>Esta categoría ya tiene una subcategoría llamada «%1».</translation>
    </message>
    <message>
        <source>Could not create the category. Nothing was changed.</source>
        <translation>No se pudo crear la categoría. No se ha modificado nada.</translation>
    </message>
    <message>
        <source>A category with this id already exists.</source>
        <translation>Ya existe una categoría con este identificador.</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>Could not save the category. Nothing was changed.</source>
        <translation>No se pudo guardar la categoría. No se ha modificado nada.</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>Esta categoría ya no existe.</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>The change to the category could not be undone.</source>
        <translation>No se pudo deshacer el cambio en la categoría.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in use now, so it cannot be taken away again. Delete the category instead.</source>
        <translation>«%1» ya está en uso, por lo que no se puede volver a quitar. Elimine la categoría en su lugar.</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
</context>
<context>
    <name>CategoryType</name>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir el calendario (F4)</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
</context>
<context>
    <name>ImportFileOpener</name>
    <message>
        <source>Cannot Open File</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, QIF or OFX file.</source>
        <translation>«%1» no es un archivo CSV, QIF ni OFX.</translation>
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
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
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
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Detección automática</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mes D, AAAA (14 de mayo de 2026)</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Seleccionar archivo(s) QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Archivos QIF (*.qif)</translation>
    </message>
    <message>
        <source>Select OFX or QFX File(s)</source>
        <translation>Seleccionar archivo(s) OFX o QFX</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>Archivos OFX (*.ofx *.qfx);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and cannot be imported.</source>
        <translation>%1 supera los %2 MB y no se puede importar.</translation>
    </message>
    <message>
        <source>%1 holds no rows.</source>
        <translation>%1 no contiene filas.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analizando archivo(s) QIF...</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leyendo</translation>
    </message>
    <message>
        <source>Reading the statement...</source>
        <translation>Leyendo el extracto...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Sin cuenta de destino</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Elija una cuenta en la que importar o cree una ahora.</translation>
    </message>
    <message>
        <source>Choose the date, payee and amount columns first.</source>
        <translation>Elija primero las columnas de fecha, beneficiario e importe.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importando</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importación cancelada.</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>La importación se detuvo y se revirtieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>La importación falló.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Un error de la base de datos detuvo la importación y se revirtieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transferencia vinculada entre cuentas</numerusform>
            <numerusform>%n transferencias vinculadas entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (incluida %n vinculada a una fila importada antes)</numerusform>
            <numerusform>  (incluidas %n vinculadas a filas importadas antes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n registro omitido (ilegible)</numerusform>
            <numerusform>%n registros omitidos (ilegibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n registro de metadatos omitido</numerusform>
            <numerusform>%n registros de metadatos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n registro omitido (error de base de datos; consulte el registro)</numerusform>
            <numerusform>%n registros omitidos (error de base de datos; consulte el registro)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) not imported</source>
        <translation>
            <numerusform>%n extracto de inversión no importado</numerusform>
            <numerusform>%n extractos de inversión no importados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Imported transaction</source>
        <translation>Transacción importada</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not imported.</source>
        <translation>%1 supera los %2 MB y no se importó.</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin encabezado de cuenta)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>Se canceló la importación.</translation>
    </message>
    <message>
        <source>The account to import into no longer exists.</source>
        <translation>La cuenta de destino de la importación ya no existe.</translation>
    </message>
    <message>
        <source>%1 ending in %2</source>
        <translation>%1 terminada en %2</translation>
    </message>
    <message>
        <source>No bank or credit card statement was found.</source>
        <translation>No se encontró ningún extracto bancario ni de tarjeta de crédito.</translation>
    </message>
    <message>
        <source>OFX files cannot be imported here.</source>
        <translation>Aquí no se pueden importar archivos OFX.</translation>
    </message>
</context>
<context>
    <name>ImportSourceMapping</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Elija dónde importar cada cuenta de Quicken. Las transferencias entre cuentas asignadas en los archivos seleccionados se vincularán automáticamente.</translation>
    </message>
    <message>
        <source>OFX accounts:</source>
        <translation>Cuentas OFX:</translation>
    </message>
    <message>
        <source>Choose where the statement of each bank or card account should be imported. Lines the bank already sent in an earlier import are skipped.</source>
        <translation>Elija dónde importar el extracto de cada cuenta bancaria o de tarjeta. Se omiten las líneas que el banco ya envió en una importación anterior.</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) in the file(s) will not be imported.</source>
        <translation>
            <numerusform>No se importará %n extracto de inversión del archivo o archivos.</numerusform>
            <numerusform>No se importarán %n extractos de inversión del archivo o archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear la cuenta nueva «%1» —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estas transacciones —</translation>
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
            <numerusform>Se registró automáticamente %n transacción periódica</numerusform>
            <numerusform>Se registraron automáticamente %n transacciones periódicas</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Orlindo &amp;Account...</source>
        <translation>Cuenta de &amp;Orlindo...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ce&amp;rrar sesión</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Compartir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Transacciones &amp;periódicas</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;ategorías</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Orlindo Quillby</source>
        <translation>&amp;Acerca de Orlindo Quillby</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Opens the release notes</source>
        <translation>Abre las notas de la versión</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar &amp;actualizaciones...</translation>
    </message>
    <message>
        <source>Checks for a newer version</source>
        <translation>Comprueba si hay una versión más reciente</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Enviar &amp;comentarios...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>Loads a demonstration data set</source>
        <translation>Carga un conjunto de datos de demostración</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Removes the demonstration data set</source>
        <translation>Elimina el conjunto de datos de demostración</translation>
    </message>
    <message>
        <source>Welcome to Orlindo Quillby</source>
        <translation>Bienvenido a Orlindo Quillby</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar transacciones de un archivo CSV en Archivo › Importar.</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gestione su cuenta</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Inicie sesión o regístrese</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>No hay cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar «%1»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar «%1»?

Se quitarán todas las transacciones, entradas periódicas e historial de conciliación de esta cuenta. Puede restaurarla en Preferencias → Datos y sincronización.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>About Orlindo Quillby</source>
        <translation>Acerca de Orlindo Quillby</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>Error al iniciar sesión</translation>
    </message>
    <message>
        <source>Could not sign in: %1</source>
        <translation>No se pudo iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Esa transacción ya no existe</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>Otra cuenta</translation>
    </message>
    <message>
        <source>This file has been syncing with another Orlindo account. Upload its accounts and transactions to the account you just signed in with?

If you keep it on this computer, nothing of it is synced while you are signed in with this account.</source>
        <translation>Este archivo se ha estado sincronizando con otra cuenta de Orlindo. ¿Subir sus cuentas y transacciones a la cuenta con la que acaba de iniciar sesión?

Si lo mantiene en este equipo, no se sincronizará nada de él mientras tenga la sesión iniciada con esta cuenta.</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>Subir a esta cuenta</translation>
    </message>
    <message>
        <source>Keep on This Computer</source>
        <translation>Mantener en este equipo</translation>
    </message>
    <message>
        <source>Your session has ended.</source>
        <translation>Su sesión ha finalizado.</translation>
    </message>
    <message>
        <source>Orlindo Account</source>
        <translation>Cuenta de Orlindo</translation>
    </message>
    <message>
        <source>Imports transactions from CSV, QIF and OFX/QFX files</source>
        <translation>Importa transacciones de archivos CSV, QIF y OFX/QFX</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own entries still use:

%1</source>
        <translation>Se borraron los datos de ejemplo, salvo lo que aún usan sus propias entradas:

%1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above (into an empty or fully selected field; elsewhere it is typed)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Registro&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Guardar transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insertar transacción nueva&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Eliminar la transacción actual&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Mayús+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Campo siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apóstrofo)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copiar el valor del campo de arriba (en un campo vacío o totalmente seleccionado; en otro caso se escribe)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Campo de fecha&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Hoy&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Día siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del mes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del año&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día de la semana&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Conciliar cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buscar transacciones&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Informes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Transacciones periódicas&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categorías&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Cuentas&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ir a la cuenta 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ir a la cuenta 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A register for tracking your household finances.&lt;/p&gt;&lt;p&gt;Made by Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This program uses the Qt framework under the GNU LGPL version 3 and Qt Charts under the GNU GPL version 3; the program itself is free software under the GNU GPL version 3 or later. See &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; and &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; for Qt and its source code, and &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; for the licence.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un registro para llevar las finanzas del hogar.&lt;/p&gt;&lt;p&gt;Hecho por Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;Este programa usa el framework Qt bajo la GNU LGPL versión 3 y Qt Charts bajo la GNU GPL versión 3; el programa en sí es software libre bajo la GNU GPL versión 3 o posterior. Consulte &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; y &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; para Qt y su código fuente, y &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; para la licencia.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
</context>
<context>
    <name>MatchingTransactionsDialog</name>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n transacción</numerusform>
            <numerusform>%n transacciones</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>No transactions match any more.</source>
        <translation>Ya no coincide ninguna transacción.</translation>
    </message>
</context>
<context>
    <name>OfxParser</name>
    <message>
        <source>This is not an OFX or QFX file.</source>
        <translation>No es un archivo OFX ni QFX.</translation>
    </message>
    <message>
        <source>The file ends before its statement does; it may have been cut off.</source>
        <translation>El archivo termina antes que su extracto; puede que esté cortado.</translation>
    </message>
    <message>
        <source>The file is damaged: a section of it is not closed.</source>
        <translation>El archivo está dañado: una de sus secciones no está cerrada.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement(s), more than one import can read.</source>
        <translation>
            <numerusform>El archivo contiene más de %n extracto, más de lo que puede leer una importación.</numerusform>
            <numerusform>El archivo contiene más de %n extractos, más de lo que puede leer una importación.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is damaged: a statement line is not closed.</source>
        <translation>El archivo está dañado: una línea del extracto no está cerrada.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement line(s), more than one import can read.</source>
        <translation>
            <numerusform>El archivo contiene más de %n línea de extracto, más de lo que puede leer una importación.</numerusform>
            <numerusform>El archivo contiene más de %n líneas de extracto, más de lo que puede leer una importación.</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a bank or credit card statement OFX file.</source>
        <translation>No es un archivo OFX de extracto bancario ni de tarjeta de crédito.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not read.</source>
        <translation>%1 supera los %2 MB y no se leyó.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB and was not read.</source>
        <translation>El archivo supera los %1 MB y no se leyó.</translation>
    </message>
    <message>
        <source>No temporary file could be made to read the statement.</source>
        <translation>No se pudo crear un archivo temporal para leer el extracto.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconocido</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Dispositivos registrados</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Dispositivos que se han sincronizado con su cuenta.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No hay dispositivos registrados.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Quitar dispositivo</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>¿Quitar %1?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Dispositivo quitado.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar %1.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Sin grupo</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>No forma parte de ningún grupo. El propietario del grupo puede invitarle, o puede unirse con un código de invitación.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Unirse con un código de invitación</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitaciones pendientes</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Código de invitación: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invitar miembros</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invitar por correo</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generar código de invitación</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Abandonar el grupo</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Unirse al grupo</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Introduzca el código de invitación:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Código de invitación no válido o caducado.</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Se unió al grupo.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Quitar miembro</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>¿Quitar a %1 del grupo?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>Se quitó a %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitación revocada.</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>No se pudo revocar la invitación.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>No se pudo enviar la invitación.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitación enviada.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>No se pudo generar el código.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Código de invitación</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Comparta este código con la persona que quiere invitar:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>¿Abandonar este grupo? Perderá el acceso a los datos compartidos.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Abandonó el grupo.</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>No se pudo abandonar el grupo.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Es el propietario del grupo. Transfiera la propiedad o quite a todos los miembros antes de eliminar su cuenta.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zona de peligro</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Elimina su cuenta de forma permanente. Pasados 30 días no se puede deshacer.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Su cuenta se programará para eliminarse de forma permanente dentro de 30 días.

Escriba DELETE para confirmar:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Cuenta programada para eliminarse</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Su cuenta se eliminará de forma permanente dentro de 30 días. Puede recuperarla iniciando sesión antes de esa fecha.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountProfilePage</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Editar nombre visible</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Cambie la contraseña de su cuenta.</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nombre visible:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>No se pudo actualizar el perfil.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nombre visible actualizado.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Contraseña nueva (mín. 8 caracteres):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>La contraseña debe tener al menos 8 caracteres.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirme la contraseña nueva:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>No se pudo cambiar la contraseña.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Contraseña cambiada.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Activo ahora</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>hace %1 d</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Cliente desconocido</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sesiones activas</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sesiones que tienen iniciada sesión en su cuenta.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No hay sesiones activas.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sesión revocada.</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>No se pudo revocar la sesión.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ApiClient</name>
    <message>
        <source>Refusing to send sign-in credentials over an unencrypted connection to %1</source>
        <translation>No se envían credenciales de inicio de sesión a %1 por una conexión sin cifrar</translation>
    </message>
    <message>
        <source>The answer from %1 is too large</source>
        <translation>La respuesta de %1 es demasiado grande</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 no respondió a tiempo</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AuthClient</name>
    <message>
        <source>The sign-in was not completed in time. Please try again.</source>
        <translation>El inicio de sesión no se completó a tiempo. Inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personas con acceso</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Añadir personas</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aún no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>You are not in a family group yet.</source>
        <translation>Aún no pertenece a ningún grupo familiar.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Todos los miembros del grupo ya tienen acceso</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>¿Quitar el acceso?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 dejará de tener acceso. ¿Continuar?</translation>
    </message>
    <message>
        <source>Or share with someone by their e-mail address:</source>
        <translation>O comparta con alguien mediante su dirección de correo:</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nombre@ejemplo.com</translation>
    </message>
    <message>
        <source>The service did not answer.</source>
        <translation>El servicio no respondió.</translation>
    </message>
    <message>
        <source>Could not load who has access: %1</source>
        <translation>No se pudo cargar quién tiene acceso: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Once it has synced, you can share it.</source>
        <translation>Esta cuenta aún no ha llegado al servicio de sincronización. Cuando se haya sincronizado, podrá compartirla.</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Sync it, then share it.</source>
        <translation>Esta cuenta aún no ha llegado al servicio de sincronización. Sincronícela y luego compártala.</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Enter an e-mail address such as name@example.com.</source>
        <translation>Introduzca una dirección de correo como nombre@ejemplo.com.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
</context>
<context>
    <name>OrlAccount::SyncApiSharingBackend</name>
    <message>
        <source>Failed to load the members (HTTP %1)</source>
        <translation>No se pudieron cargar los miembros (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to remove access (HTTP %1)</source>
        <translation>No se pudo quitar el acceso (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>OrlUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión disponibles para %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Error al buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1 disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La versión más reciente es la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*No hay notas de la versión disponibles para esta versión.*</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::WhatsNewDialog</name>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar seleccionados</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Combinar seleccionados</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Nuevo nombre:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se renombró %n transacción.</numerusform>
            <numerusform>Se renombraron %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinar.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Combinar %1 beneficiarios en «%2»?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Error al combinar</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se combinó %n transacción.</numerusform>
            <numerusform>Se combinaron %n transacciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Rename Payee</source>
        <translation>Renombrar beneficiario</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Renombrar beneficiarios</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinar.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Enter the new payee name.</source>
        <translation>Introduzca el nuevo nombre del beneficiario.</translation>
    </message>
    <message>
        <source>Could not rename the payee: the database is busy.</source>
        <translation>No se pudo renombrar el beneficiario: la base de datos está ocupada.</translation>
    </message>
    <message>
        <source>Could not rename the payee. Nothing was changed.</source>
        <translation>No se pudo renombrar el beneficiario. No se cambió nada.</translation>
    </message>
    <message>
        <source>The transactions of this payee no longer exist.</source>
        <translation>Las transacciones de este beneficiario ya no existen.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aún no hay conciliaciones. Concilie su cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Conc.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos conciliados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retiros conciliados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminar la conciliación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir una transacción (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Supr)</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>Conciliación sin terminar</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Cuenta conciliada correctamente.</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Transacción no guardada</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar la transacción de %1?</translation>
    </message>
    <message>
        <source>Delete the transfer for %1?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia de %1?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>Transacción no eliminada</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciled balance of this account could not be read</source>
        <translation>No se pudo leer el saldo conciliado de esta cuenta</translation>
    </message>
    <message>
        <source>The reconciled transactions add up to more than an amount can hold</source>
        <translation>Las transacciones conciliadas suman más de lo que cabe en un importe</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>La cuenta ya no existe</translation>
    </message>
    <message>
        <source>%1 changed while you were reconciling. Nothing was saved; look over the list and finish again.</source>
        <translation>%1 cambió mientras conciliaba. No se guardó nada; revise la lista y vuelva a terminar.</translation>
    </message>
    <message>
        <source>Enter a valid statement date</source>
        <translation>Introduzca una fecha de extracto válida</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved</source>
        <translation>No se pudo guardar la conciliación</translation>
    </message>
    <message>
        <source>The reconciled balance of this account</source>
        <translation>El saldo conciliado de esta cuenta</translation>
    </message>
    <message>
        <source>The transaction %1 is ticked twice</source>
        <translation>La transacción %1 está marcada dos veces</translation>
    </message>
    <message>
        <source>The transaction %1</source>
        <translation>La transacción %1</translation>
    </message>
    <message>
        <source>The ticked transactions add up to more than an amount can hold</source>
        <translation>Las transacciones marcadas suman más de lo que cabe en un importe</translation>
    </message>
    <message>
        <source>The ticked transactions do not add up to the statement balance</source>
        <translation>Las transacciones marcadas no suman el saldo del extracto</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción periódica</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción periódica</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empiece a escribir para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Tiene fecha de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Registrar por adelantado:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar todas las vencidas</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Registrar próximos 7 días</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nueva periódica</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 pendientes)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Registrar &amp;antes...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>¿Registrar «%1» ahora, con fecha %2? La transacción lleva la fecha de vencimiento y puede editarla o eliminarla más tarde.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Registrar antes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la periódica «%1»?</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>¿Registrar todas las transacciones periódicas que vencen en los próximos 7 días? Llevan sus fechas de vencimiento y puede editarlas o eliminarlas más tarde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: it was still behind after %2 postings in one run (next due %3). Check its dates, then edit it and turn Active back on.</source>
        <translation>«%1» se desactivó: seguía con retraso tras %2 registros en una ejecución (próximo vencimiento %3). Revise sus fechas, edítela y vuelva a activarla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: its next due date is not a usable date. Edit it, set its start date and turn Active back on.</source>
        <translation>«%1» se desactivó: su próxima fecha de vencimiento no es una fecha utilizable. Edítela, establezca su fecha de inicio y vuelva a activarla.</translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n, one for each template that was due.</source>
        <translation>
            <numerusform>Transacciones registradas: %n, una por cada plantilla vencida.</numerusform>
            <numerusform>Transacciones registradas: %n, una por cada plantilla vencida.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was due.</source>
        <translation>No había nada pendiente.</translation>
    </message>
    <message>
        <source>Nothing could be posted.</source>
        <translation>No se pudo registrar nada.</translation>
    </message>
    <message numerus="yes">
        <source>Templates still due: %n. Confirm All Due posts one occurrence of each at a time; Enter Next 7 Days posts all of them.</source>
        <translation>
            <numerusform>Plantillas aún pendientes: %n. Confirmar todas las vencidas registra una ocurrencia de cada una cada vez; Registrar próximos 7 días las registra todas.</numerusform>
            <numerusform>Plantillas aún pendientes: %n. Confirmar todas las vencidas registra una ocurrencia de cada una cada vez; Registrar próximos 7 días las registra todas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n.</source>
        <translation>
            <numerusform>Transacciones registradas: %n.</numerusform>
            <numerusform>Transacciones registradas: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due in the next 7 days.</source>
        <translation>Nada vence en los próximos 7 días.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>No se pudo guardar la transacción periódica</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>No se pudo eliminar la transacción periódica</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>[Transfer] %1</source>
        <translation>[Transferencia] %1</translation>
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
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Conc.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / nota</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Dividida—</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Conciliado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No conciliado</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Mostrar columnas</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Restablecer el diseño del registro</translation>
    </message>
    <message>
        <source>  ·  *%1</source>
        <translation>  ·  *%1</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos borrados</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar «%1» por %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia «%1» por %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transacción memorizada como periódica</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insertar nueva</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nueva transacción...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Editar en un diálogo...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalles...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Editar &amp;divisiones...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>&amp;Dividir transacción...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como &amp;no conciliada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;conciliada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Your unsaved entry is back</source>
        <translation>Su entrada sin guardar ha vuelto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>«%1» no es un importe</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>El importe es demasiado grande</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>«%1» no es una fecha</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;; choose one from the list</source>
        <translation>No existe la categoría «%1»; elija una de la lista</translation>
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
        <translation>No hay nada que representar en este período</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Show chart</source>
        <translation>Mostrar gráfico</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año frente al pasado</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año pasado frente al anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre frente al anterior</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año pasado</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Todo el período</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Gasto por categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos frente a gastos</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Interanual</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>Double-click a category, or click its bar, to list its transactions.</source>
        <translation>Haga doble clic en una categoría, o clic en su barra, para ver sus transacciones.</translation>
    </message>
    <message>
        <source>Double-click a payee to list its transactions.</source>
        <translation>Haga doble clic en un beneficiario para ver sus transacciones.</translation>
    </message>
    <message>
        <source>Click a bar to list the transactions of that category and period.</source>
        <translation>Haga clic en una barra para ver las transacciones de esa categoría y período.</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Período:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
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
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Período 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Período 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Conciliado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No conciliado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Spending on %1</source>
        <translation>Gasto en %1</translation>
    </message>
    <message>
        <source>Transactions with %1</source>
        <translation>Transacciones con %1</translation>
    </message>
    <message>
        <source>%1, %2 – %3</source>
        <translation>%1, %2 – %3</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar el informe como «%1».

%2</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Cuenta corriente principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
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
        <translation>Nómina quincenal</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Alquiler de febrero</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Compra semanal</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Repostaje</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Factura de la luz</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Factura del agua</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Streaming mensual</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Cena fuera</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Donación mensual</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transferencia al ahorro</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Ahorro mensual</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Alquiler de marzo</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Servicio de internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Almuerzo</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Medicamentos con receta</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Café y bollería</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Pago de intereses</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Transferencia desde la cuenta corriente</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Comida a domicilio</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Funda del teléfono</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Plan de almacenamiento en la nube</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Pago - Gracias</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Pago de la tarjeta de crédito</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grano</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Libros de programación</translation>
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
        <translation>Alquiler mensual</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>Sample data could not be loaded: %1</source>
        <translation>No se pudieron cargar los datos de ejemplo: %1</translation>
    </message>
    <message>
        <source>Sample data could not be cleared: %1</source>
        <translation>No se pudieron borrar los datos de ejemplo: %1</translation>
    </message>
    <message>
        <source>your transactions use them</source>
        <translation>sus transacciones las usan</translation>
    </message>
    <message>
        <source>your split lines belong to them</source>
        <translation>sus líneas divididas pertenecen a ellas</translation>
    </message>
    <message>
        <source>your recurring transactions use them</source>
        <translation>sus transacciones periódicas las usan</translation>
    </message>
    <message>
        <source>your reconciliations use them</source>
        <translation>sus conciliaciones las usan</translation>
    </message>
    <message>
        <source>your categories use them</source>
        <translation>sus categorías las usan</translation>
    </message>
    <message>
        <source>your transaction templates use them</source>
        <translation>sus plantillas de transacción las usan</translation>
    </message>
    <message>
        <source>other sample rows that stay use them</source>
        <translation>otras filas de ejemplo que se mantienen las usan</translation>
    </message>
    <message numerus="yes">
        <source>%n sample account(s) stay because %1</source>
        <translation>
            <numerusform>Se mantiene %n cuenta de ejemplo porque %1</numerusform>
            <numerusform>Se mantienen %n cuentas de ejemplo porque %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample transaction(s) stay because %1</source>
        <translation>
            <numerusform>Se mantiene %n transacción de ejemplo porque %1</numerusform>
            <numerusform>Se mantienen %n transacciones de ejemplo porque %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample recurring transaction(s) stay because %1</source>
        <translation>
            <numerusform>Se mantiene %n transacción periódica de ejemplo porque %1</numerusform>
            <numerusform>Se mantienen %n transacciones periódicas de ejemplo porque %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample split line(s) stay because %1</source>
        <translation>
            <numerusform>Se mantiene %n línea dividida de ejemplo porque %1</numerusform>
            <numerusform>Se mantienen %n líneas divididas de ejemplo porque %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample reconciliation(s) stay because %1</source>
        <translation>
            <numerusform>Se mantiene %n conciliación de ejemplo porque %1</numerusform>
            <numerusform>Se mantienen %n conciliaciones de ejemplo porque %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>—Split—</source>
        <translation>—Dividida—</translation>
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
        <translation>Cerrada</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Conciliada</translation>
    </message>
    <message>
        <source>Not cleared</source>
        <translation>No conciliada</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, número de cheque...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Intervalo de fechas:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo conciliadas</translation>
    </message>
    <message>
        <source>Clear Report Filter</source>
        <translation>Quitar el filtro del informe</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches; narrow the search to see older ones.</source>
        <translation>
            <numerusform>Se muestra la coincidencia más reciente (%n); acote la búsqueda para ver las anteriores.</numerusform>
            <numerusform>Se muestran las %n coincidencias más recientes; acote la búsqueda para ver las anteriores.</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions match.</source>
        <translation>Ninguna transacción coincide.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>Se encontró %n transacción.</numerusform>
            <numerusform>Se encontraron %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>category “%1”</source>
        <translation>categoría «%1»</translation>
    </message>
    <message>
        <source>payee “%1”</source>
        <translation>beneficiario «%1»</translation>
    </message>
    <message>
        <source>expenses only</source>
        <translation>solo gastos</translation>
    </message>
    <message>
        <source>accounts in %1</source>
        <translation>cuentas de tipo %1</translation>
    </message>
    <message>
        <source>an account no longer listed</source>
        <translation>una cuenta que ya no aparece</translation>
    </message>
    <message>
        <source>From a report</source>
        <translation>Desde un informe</translation>
    </message>
    <message>
        <source>From the report figure “%1”</source>
        <translation>Desde la cifra del informe «%1»</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message numerus="yes">
        <source>The search text is too long: at most %n characters.</source>
        <translation>
            <numerusform>El texto de búsqueda es demasiado largo: como máximo %n carácter.</numerusform>
            <numerusform>El texto de búsqueda es demasiado largo: como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Search for at most %n words at a time.</source>
        <translation>
            <numerusform>Busque como máximo %n palabra a la vez.</numerusform>
            <numerusform>Busque como máximo %n palabras a la vez.</numerusform>
        </translation>
    </message>
    <message>
        <source>The transactions could not be searched.</source>
        <translation>No se pudieron buscar las transacciones.</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Orlindo Quillby</source>
        <translation>Orlindo Quillby</translation>
    </message>
    <message>
        <source>A digital quillby register for tracking household finances.</source>
        <translation>Un registro digital quillby para llevar las finanzas del hogar.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license and Qt Charts under the GPL v3; it is free software under the GPL v3 or later.</source>
        <translation>Esta aplicación usa el framework Qt bajo la licencia LGPL v3 y Qt Charts bajo la GPL v3; es software libre bajo la GPL v3 o posterior.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby on the web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby en la web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby para su teléfono&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your quillby in sync across all your devices.</source>
        <translation>Mantenga su quillby sincronizado en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde o restaure sus datos en un archivo de copia de seguridad portátil.</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar marcas de tiempo)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>The backup could not be made from the database.</source>
        <translation>No se pudo crear la copia de seguridad a partir de la base de datos.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written. %3</source>
        <translation>Solo se pudieron escribir %1 de %2 bytes. %3</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error en la importación</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Se importaron %1 elementos y se omitieron %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>Se produjo %n error.</numerusform>
            <numerusform>Se produjeron %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
</context>
<context>
    <name>SettingsDeletedAccounts</name>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar seleccionada</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que eliminó.</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Error al restaurar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>No se pudo restaurar «%1». No se cambió nada.</translation>
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
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Orlindo Quillby looks.</source>
        <translation>Controle el aspecto de Orlindo Quillby.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Orlindo Quillby.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Orlindo Quillby.</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero las transacciones más recientes</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo aparecen las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Mostrar la nota en una segunda línea bajo el beneficiario.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Controle el orden de las transacciones en el registro.</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si se activa, las transacciones más recientes aparecen arriba.</translation>
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
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>SettingsSyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Orlindo Account to enable sync.</source>
        <translation>No ha iniciado sesión.
Inicie sesión en Archivo › Cuenta de Orlindo para activar la sincronización.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>A sync is under way; a full sync can start once it has finished.</source>
        <translation>Hay una sincronización en curso; podrá iniciarse una sincronización completa cuando haya terminado.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>A sync is under way. Start the full sync once it has finished.</source>
        <translation>Hay una sincronización en curso. Inicie la sincronización completa cuando haya terminado.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a subir al servidor todas las filas locales y se volverán a descargar todos los datos del servidor. Use esta opción si los datos parecen no estar sincronizados entre dispositivos.

¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>ShareAccountLauncher</name>
    <message>
        <source>Sign In Required</source>
        <translation>Es necesario iniciar sesión</translation>
    </message>
    <message>
        <source>Sharing requires a Orlindo account.</source>
        <translation>Para compartir se necesita una cuenta de Orlindo.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartiendo: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Orlindo family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparta esta cuenta con los miembros de su grupo familiar de Orlindo. Verán el mismo registro, saldos e historial de conciliación en sus dispositivos.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aún no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>You&apos;re not in a family group. Start one or join one in File › Orlindo Account › Group, or share by e-mail address below.</source>
        <translation>No pertenece a ningún grupo familiar. Cree o únase a uno en Archivo › Cuenta de Orlindo › Grupo, o comparta por dirección de correo más abajo.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Error al compartir</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Error al quitar</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>¿Quitar a %1 el acceso a esta cuenta?</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Dividir transacción</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 less than the transaction&apos;s %3.</source>
        <translation>Las líneas suman %1, %2 menos que los %3 de la transacción.</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 more than the transaction&apos;s %3.</source>
        <translation>Las líneas suman %1, %2 más que los %3 de la transacción.</translation>
    </message>
    <message>
        <source>Add a Line for %1</source>
        <translation>Añadir una línea por %1</translation>
    </message>
    <message>
        <source>Change the Total to %1</source>
        <translation>Cambiar el total a %1</translation>
    </message>
    <message>
        <source>Lower the lines so they add up to %1.</source>
        <translation>Reduzca las líneas para que sumen %1.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Split Transaction</source>
        <translation>Dividir transacción</translation>
    </message>
    <message>
        <source>Choose a category for every split line with an amount.</source>
        <translation>Elija una categoría para cada línea dividida que tenga importe.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Añadir línea</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Quitar</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Quillby, a register for household finances.</source>
        <translation>Quillby, un registro para las finanzas domésticas.</translation>
    </message>
    <message>
        <source>Open (or create) the database, build the main window without showing it, print the database&apos;s path and exit.</source>
        <translation>Abre (o crea) la base de datos, construye la ventana principal sin mostrarla, imprime la ruta de la base de datos y sale.</translation>
    </message>
    <message>
        <source>A CSV, QIF or OFX file to import.</source>
        <translation>Un archivo CSV, QIF u OFX para importar.</translation>
    </message>
    <message>
        <source>Give at most one file to import.</source>
        <translation>Indique como máximo un archivo para importar.</translation>
    </message>
    <message>
        <source>--check-start takes no file.</source>
        <translation>--check-start no admite ningún archivo.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>El nombre de archivo está vacío.</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>El nombre de archivo es demasiado largo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name this program can open.</source>
        <translation>«%1» no es un nombre de archivo que este programa pueda abrir.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«%1» no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer el archivo «%1».</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n periódica pendiente</numerusform>
            <numerusform>  •  %n periódicas pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Sync failed: the server did not answer in time</source>
        <translation>Error de sincronización: el servidor no respondió a tiempo</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be read</source>
        <translation>Error de sincronización: no se pudieron leer los datos locales</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Error al subir (HTTP %1)</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be updated</source>
        <translation>Error de sincronización: no se pudieron actualizar los datos locales</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Error al descargar (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer has no position to continue from</source>
        <translation>Error al descargar: la respuesta del servidor no indica una posición desde la que continuar</translation>
    </message>
    <message>
        <source>Pull failed: %1</source>
        <translation>Error al descargar: %1</translation>
    </message>
</context>
<context>
    <name>SyncOwnership</name>
    <message>
        <source>No account is signed in.</source>
        <translation>No hay ninguna cuenta con la sesión iniciada.</translation>
    </message>
    <message>
        <source>The data could not be prepared for upload.</source>
        <translation>No se pudieron preparar los datos para subirlos.</translation>
    </message>
</context>
<context>
    <name>SyncPageApplier</name>
    <message>
        <source>a pulled row could not be stored</source>
        <translation>no se pudo guardar una fila descargada</translation>
    </message>
    <message>
        <source>the database is busy</source>
        <translation>la base de datos está ocupada</translation>
    </message>
    <message>
        <source>the sync position could not be stored</source>
        <translation>no se pudo guardar la posición de sincronización</translation>
    </message>
    <message>
        <source>the pulled rows refer to records that are missing</source>
        <translation>las filas descargadas hacen referencia a registros que faltan</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Detalles de la transacción</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Dividida—</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transferir a:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Registrada: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Última modificación: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Eliminar...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Líneas divididas</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(no hay líneas divididas registradas)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sin categoría)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Cerrada</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Conciliada</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No conciliada</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marcar como no conciliada</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marcar como conciliada</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar «%1» por %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia «%1» por %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
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
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empiece a escribir para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Dividir...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Dividir esta transacción entre varias categorías, cada una con su importe y nota.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Usar una sola categoría</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Quitar la división y volver a una transacción de una sola categoría.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Conciliada</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Dividida—</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>La transacción ya no existe</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marcar como conciliada</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marcar como no conciliada</translation>
    </message>
    <message>
        <source>Edit Splits</source>
        <translation>Editar divisiones</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>No se pudo eliminar la transacción</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>La cuenta ya no existe</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Introduzca una fecha válida</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>The category no longer exists</source>
        <translation>La categoría ya no existe</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>Una transferencia necesita dos cuentas distintas</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>Each split line needs a category</source>
        <translation>Cada línea dividida necesita una categoría</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>No se pudo guardar la transacción</translation>
    </message>
    <message>
        <source>The split lines add up to more than an amount can hold</source>
        <translation>Las líneas divididas suman más de lo que cabe en un importe</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>El importe es demasiado grande</translation>
    </message>
    <message>
        <source>The other side of this transfer is split; edit its splits to change the amount</source>
        <translation>El otro lado de esta transferencia está dividido; edite sus divisiones para cambiar el importe</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Transferencia desde %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transferencia a %1</translation>
    </message>
    <message>
        <source>The split lines could not be saved</source>
        <translation>No se pudieron guardar las líneas divididas</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>No se pudo deshacer el cambio</translation>
    </message>
    <message>
        <source>This transaction is split; change its amount in the split editor</source>
        <translation>Esta transacción está dividida; cambie su importe en el editor de divisiones</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Nothing to undo</source>
        <translation>No hay nada que deshacer</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>No hay nada que rehacer</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Su sesión ha finalizado. Vuelva a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funciona totalmente sin conexión. Sus datos se quedan en este dispositivo.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Cómo funciona</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Añada una cuenta (corriente, de ahorro, tarjeta de crédito o cualquier cuenta que quiera seguir).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Anote las transacciones cuando gaste.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Concilie cuando llegue su extracto.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bienvenido de nuevo</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Inicie sesión para mantener sus datos sincronizados entre dispositivos.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Crear otra cuenta</translation>
    </message>
    <message>
        <source>Welcome to
Orlindo Quillby</source>
        <translation>Bienvenido a
Orlindo Quillby</translation>
    </message>
    <message>
        <source>A digital quillby register.</source>
        <translation>Un registro digital quillby.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Inicie sesión</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Cree su primera cuenta</translation>
    </message>
</context>
<context>
    <name>ZipArchiveReader</name>
    <message>
        <source>entry too large</source>
        <translation>entrada demasiado grande</translation>
    </message>
    <message>
        <source>entry data does not match its declared size</source>
        <translation>los datos de la entrada no coinciden con el tamaño declarado</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file is empty or missing</source>
        <translation>el archivo está vacío o no existe</translation>
    </message>
    <message>
        <source>unsupported compression or encryption</source>
        <translation>compresión o cifrado no admitidos</translation>
    </message>
</context>
<context>
    <name>ZipArchiveWriter</name>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
</TS>
