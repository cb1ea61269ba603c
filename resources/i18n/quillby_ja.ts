<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座を編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>銀行名（任意）</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下4桁（任意）</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;N):</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Could not create the account</source>
        <translation>口座を作成できませんでした</translation>
    </message>
    <message>
        <source>Account name is required</source>
        <translation>口座名は必須です</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>開始残高</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>この口座はもう存在しません</translation>
    </message>
    <message>
        <source>Could not save the account</source>
        <translation>口座を保存できませんでした</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座を編集</translation>
    </message>
    <message>
        <source>Could not save the order of the accounts</source>
        <translation>口座の並び順を保存できませんでした</translation>
    </message>
    <message>
        <source>Could not delete the account</source>
        <translation>口座を削除できませんでした</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座を削除</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>変更を元に戻せませんでした</translation>
    </message>
</context>
<context>
    <name>AccountType</name>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>AmountEntryGuard</name>
    <message>
        <source>Enter an amount (0 for none).</source>
        <translation>金額を入力してください（なしの場合は 0）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>「%1」は金額ではありません。</translation>
    </message>
    <message>
        <source>Enter the amount without a sign; the type says which way it goes.</source>
        <translation>金額は符号なしで入力してください。方向は種類で決まります。</translation>
    </message>
    <message>
        <source>Amounts go up to %1.</source>
        <translation>金額の上限は %1 です。</translation>
    </message>
    <message>
        <source>Only a whole amount can be typed here, up to %1.</source>
        <translation>ここには %1 までの整数の金額のみ入力できます。</translation>
    </message>
    <message>
        <source>Only digits and one decimal point can be typed here, up to %1.</source>
        <translation>ここには %1 までの数字と小数点 1 つのみ入力できます。</translation>
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
        <source>Backup has too many entries (more than %1)</source>
        <translation>バックアップのエントリが多すぎます（%1 個超）</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>%1 is too large to restore (%2 bytes uncompressed)</source>
        <translation>%1 は大きすぎて復元できません（展開後 %2 バイト）</translation>
    </message>
    <message>
        <source>%1: damaged entry (%2); nothing was restored</source>
        <translation>%1: 破損したエントリ（%2）。何も復元されませんでした</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップ: manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>サポートされていないバックアップのバージョン: %1</translation>
    </message>
    <message>
        <source>Backup is too large to restore (more than %1 bytes uncompressed)</source>
        <translation>バックアップが大きすぎて復元できません（展開後 %1 バイト超）</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1</source>
        <translation>バックアップを復元できませんでした: %1</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: 無効な JSON</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: 不明な列「%2」</translation>
    </message>
    <message>
        <source>%1: unsupported value for &quot;%2&quot;</source>
        <translation>%1:「%2」の値はサポートされていません</translation>
    </message>
    <message>
        <source>Cannot write the backup: %1</source>
        <translation>バックアップを書き込めません: %1</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>データベースが開かれていません</translation>
    </message>
    <message>
        <source>The backup is damaged: the archive&apos;s table of contents does not match its entries. Nothing was restored.</source>
        <translation>バックアップが破損しています: アーカイブの目次がエントリと一致しません。何も復元されませんでした。</translation>
    </message>
    <message>
        <source>Invalid backup: manifest.json gives no row count for &quot;%1&quot;</source>
        <translation>無効なバックアップ: manifest.json に「%1」の行数がありません</translation>
    </message>
    <message>
        <source>The backup is damaged: manifest.json lists %1 rows in &quot;%2&quot; but the archive holds %3. Nothing was restored.</source>
        <translation>バックアップが破損しています: manifest.json では「%2」に %1 行とありますが、アーカイブには %3 行あります。何も復元されませんでした。</translation>
    </message>
    <message>
        <source>The backup could not be restored: the database ended the transaction</source>
        <translation>バックアップを復元できませんでした: データベースがトランザクションを終了しました</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>カテゴリを検索...</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリを削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか？このカテゴリを使用している取引は未分類になります。</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>サブカテゴリを追加(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>新規サブカテゴリ</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>親カテゴリ(&amp;P):</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>カテゴリ名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>税務関連</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>このカテゴリを税務レポートに含めます。</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>例: charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>税コード(&amp;C):</translation>
    </message>
</context>
<context>
    <name>CategoryRemoval</name>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message>
        <source>Could not delete the category. Nothing was changed.</source>
        <translation>カテゴリを削除できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>このカテゴリはもう存在しません。</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリを削除</translation>
    </message>
    <message>
        <source>Could not bring the category back.</source>
        <translation>カテゴリを元に戻せませんでした。</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>在宅オフィス</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>住民税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン返済</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費・修繕積立金</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>光熱費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通費</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン・燃料</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食・レストラン</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>美容・身だしなみ</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈答品</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>ストリーミング</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>ショッピング</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣料品</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>家電・電子機器</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>健康・医療</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命保険</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>住宅・家財</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料・諸費用</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>利息収入</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当収入</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>フリーランス・コンサルティング</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>払い戻し</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>受け取った贈与</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
    <message>
        <source>Enter a name for the category.</source>
        <translation>カテゴリの名前を入力してください。</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: at most %n characters.</source>
        <translation>
            <numerusform>名前が長すぎます。最大 %n 文字までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>The name cannot contain line breaks or other control characters.</source>
        <translation>名前に改行などの制御文字を含めることはできません。</translation>
    </message>
    <message numerus="yes">
        <source>The tax code is too long: at most %n characters.</source>
        <translation>
            <numerusform>税コードが長すぎます。最大 %n 文字までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>The tax code cannot contain line breaks or other control characters.</source>
        <translation>税コードに改行などの制御文字を含めることはできません。</translation>
    </message>
    <message>
        <source>A category cannot be its own parent.</source>
        <translation>カテゴリを自身の親にすることはできません。</translation>
    </message>
    <message>
        <source>The parent category no longer exists.</source>
        <translation>親カテゴリはもう存在しません。</translation>
    </message>
    <message>
        <source>A subcategory cannot have subcategories of its own.</source>
        <translation>サブカテゴリの下にさらにサブカテゴリを作成することはできません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it cannot become a subcategory itself.</source>
        <translation>「%1」にはサブカテゴリがあるため、それ自体をサブカテゴリにすることはできません。</translation>
    </message>
    <message>
        <source>There is already a category named &quot;%1&quot;.</source>
        <translation>「%1」という名前のカテゴリは既に存在します。</translation>
    </message>
    <message>
        <source>This category already has a subcategory named &quot;%1&quot;.</source>
        <translation>このカテゴリには「%1」という名前のサブカテゴリが既にあります。</translation>
    </message>
    <message>
        <source>Could not create the category. Nothing was changed.</source>
        <translation>カテゴリを作成できませんでした。変更は行われていません。</translation>
    </message>
    <message>
        <source>A category with this id already exists.</source>
        <translation>この ID のカテゴリは既に存在します。</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>新規サブカテゴリ</translation>
    </message>
    <message>
        <source>Could not save the category. Nothing was changed.</source>
        <translation>カテゴリを保存できませんでした。変更は行われていません。</translation>
    </message>
    <message>
        <source>This category no longer exists.</source>
        <translation>このカテゴリはもう存在しません。</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>The change to the category could not be undone.</source>
        <translation>カテゴリへの変更を元に戻せませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in use now, so it cannot be taken away again. Delete the category instead.</source>
        <translation>「%1」は現在使用中のため、元に戻して取り除くことはできません。代わりにカテゴリを削除してください。</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
</context>
<context>
    <name>CategoryType</name>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
</context>
<context>
    <name>ImportFileOpener</name>
    <message>
        <source>Cannot Open File</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, QIF or OFX file.</source>
        <translation>「%1」は CSV、QIF、OFX のいずれのファイルでもありません。</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Col %1</source>
        <translation>列 %1</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>取引をインポート</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
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
        <translation>参照...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の割り当て:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>月 日, 年 (May 14, 2026)</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>支払先の列:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n 個のファイルを選択</numerusform>
        </translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルを選択</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message>
        <source>Select OFX or QFX File(s)</source>
        <translation>OFX または QFX ファイルを選択</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>OFX ファイル (*.ofx *.qfx);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and cannot be imported.</source>
        <translation>%1 は %2 MB を超えているためインポートできません。</translation>
    </message>
    <message>
        <source>%1 holds no rows.</source>
        <translation>%1 には行がありません。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを解析しています...</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Reading the statement...</source>
        <translation>明細を読み込んでいます...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>取り込み先の口座がありません</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>インポート先の口座を選ぶか、今すぐ作成してください。</translation>
    </message>
    <message>
        <source>Choose the date, payee and amount columns first.</source>
        <translation>先に日付、支払先、金額の列を選んでください。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>インポート中</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>インポートをキャンセルしました。</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>インポートは中止され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>インポートに失敗しました。</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>データベースエラーのためインポートが中止され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>インポートが完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポート</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>口座間の振替 %n 件をリンク</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  （うち %n 件は以前にインポートした行とリンク）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>重複 %n 件をスキップ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件をスキップ（解析不能）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>メタデータ %n 件をスキップ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件をスキップ（元の口座が未割り当て）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件をスキップ（データベースエラー — ログを参照）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) not imported</source>
        <translation>
            <numerusform>投資明細 %n 件はインポートされませんでした</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Imported transaction</source>
        <translation>インポートした取引</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not imported.</source>
        <translation>%1 は %2 MB を超えているためインポートされませんでした。</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1（口座ヘッダーなし）</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The import was cancelled.</source>
        <translation>インポートはキャンセルされました。</translation>
    </message>
    <message>
        <source>The account to import into no longer exists.</source>
        <translation>インポート先の口座はもう存在しません。</translation>
    </message>
    <message>
        <source>%1 ending in %2</source>
        <translation>%1（末尾 %2）</translation>
    </message>
    <message>
        <source>No bank or credit card statement was found.</source>
        <translation>銀行またはクレジットカードの明細が見つかりませんでした。</translation>
    </message>
    <message>
        <source>OFX files cannot be imported here.</source>
        <translation>ここでは OFX ファイルをインポートできません。</translation>
    </message>
</context>
<context>
    <name>ImportSourceMapping</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF の元の口座:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>各 Quicken 口座のインポート先を選んでください。選択したファイル間で割り当てた口座の振替は自動的にリンクされます。</translation>
    </message>
    <message>
        <source>OFX accounts:</source>
        <translation>OFX 口座:</translation>
    </message>
    <message>
        <source>Choose where the statement of each bank or card account should be imported. Lines the bank already sent in an earlier import are skipped.</source>
        <translation>各銀行口座・カード口座の明細のインポート先を選んでください。以前のインポートで銀行から受け取った行はスキップされます。</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) in the file(s) will not be imported.</source>
        <translation>
            <numerusform>ファイル内の投資明細 %n 件はインポートされません。</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
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
            <numerusform>定期取引 %n 件を自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新しい取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新しい口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Orlindo &amp;Account...</source>
        <translation>Orlindo アカウント(&amp;A)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>支払先の名前を変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Orlindo Quillby</source>
        <translation>Orlindo Quillby について(&amp;A)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Opens the release notes</source>
        <translation>リリースノートを開きます</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>Checks for a newer version</source>
        <translation>新しいバージョンがあるか確認します</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>Loads a demonstration data set</source>
        <translation>デモ用のデータセットを読み込みます</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Removes the demonstration data set</source>
        <translation>デモ用のデータセットを削除します</translation>
    </message>
    <message>
        <source>Welcome to Orlindo Quillby</source>
        <translation>Orlindo Quillby へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>最初の口座を作成して始めましょう。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>ファイル › インポート から CSV ファイルの取引を取り込むこともできます。</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>アカウントを管理</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>サインインまたはサインアップ</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>サインインしていません</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新しい口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>支払先の名前を変更...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座を削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか?

この口座のすべての取引、定期取引、照合履歴が削除されます。環境設定 → データと同期 から復元できます。</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>About Orlindo Quillby</source>
        <translation>Orlindo Quillby について</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 をやり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>サインインに失敗しました</translation>
    </message>
    <message>
        <source>Could not sign in: %1</source>
        <translation>サインインできませんでした: %1</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引を検索</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>その取引はもう存在しません</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>別のアカウント</translation>
    </message>
    <message>
        <source>This file has been syncing with another Orlindo account. Upload its accounts and transactions to the account you just signed in with?

If you keep it on this computer, nothing of it is synced while you are signed in with this account.</source>
        <translation>このファイルは別の Orlindo アカウントと同期されていました。口座と取引を、今サインインしたアカウントにアップロードしますか?

このコンピューターに保持する場合、このアカウントでサインインしている間は何も同期されません。</translation>
    </message>
    <message>
        <source>Upload to This Account</source>
        <translation>このアカウントにアップロード</translation>
    </message>
    <message>
        <source>Keep on This Computer</source>
        <translation>このコンピューターに保持</translation>
    </message>
    <message>
        <source>Your session has ended.</source>
        <translation>セッションが終了しました。</translation>
    </message>
    <message>
        <source>Orlindo Account</source>
        <translation>Orlindo アカウント</translation>
    </message>
    <message>
        <source>Imports transactions from CSV, QIF and OFX/QFX files</source>
        <translation>CSV、QIF、OFX/QFX ファイルから取引をインポートします</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引をインポート</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>Sample data cleared, except what your own entries still use:

%1</source>
        <translation>サンプルデータを消去しました。ただし、ご自身の入力でまだ使われているものは残しています:

%1</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above (into an empty or fully selected field; elsewhere it is typed)&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;出納帳&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を保存&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい取引を挿入&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;現在の取引を削除&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;次 / 前のフィールド&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (アポストロフィ)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;上のフィールドの値をコピー（空または全選択のフィールドのみ。それ以外では文字が入力されます）&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;日付フィールド&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;今日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;翌日 / 前日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;月の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;年の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;週の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;全般&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい口座&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座を照合&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を検索&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;レポート&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;定期取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;カテゴリ&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;口座&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 1&amp;ndash;9 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 10 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A register for tracking your household finances.&lt;/p&gt;&lt;p&gt;Made by Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;This program uses the Qt framework under the GNU LGPL version 3 and Qt Charts under the GNU GPL version 3; the program itself is free software under the GNU GPL version 3 or later. See &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; and &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; for Qt and its source code, and &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; for the licence.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Orlindo Quillby&lt;/h3&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;家計を記録するための出納帳です。&lt;/p&gt;&lt;p&gt;製作: Orlindo &amp;mdash; &lt;a href=&apos;https://orlindo.com/quillby&apos;&gt;orlindo.com/quillby&lt;/a&gt;&lt;/p&gt;&lt;p&gt;&lt;small&gt;このプログラムは GNU LGPL バージョン 3 の Qt フレームワークと GNU GPL バージョン 3 の Qt Charts を使用しています。プログラム自体は GNU GPL バージョン 3 以降のフリーソフトウェアです。Qt とそのソースコードについては &lt;a href=&apos;https://www.qt.io&apos;&gt;qt.io&lt;/a&gt; と &lt;a href=&apos;https://code.qt.io&apos;&gt;code.qt.io&lt;/a&gt; を、ライセンスについては &lt;a href=&apos;https://www.gnu.org/licenses/gpl-3.0.html&apos;&gt;gnu.org/licenses&lt;/a&gt; をご覧ください。&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
</context>
<context>
    <name>MatchingTransactionsDialog</name>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n 件の取引</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>No transactions match any more.</source>
        <translation>一致する取引はもうありません。</translation>
    </message>
</context>
<context>
    <name>OfxParser</name>
    <message>
        <source>This is not an OFX or QFX file.</source>
        <translation>OFX または QFX ファイルではありません。</translation>
    </message>
    <message>
        <source>The file ends before its statement does; it may have been cut off.</source>
        <translation>明細の途中でファイルが終わっています。途中で切れている可能性があります。</translation>
    </message>
    <message>
        <source>The file is damaged: a section of it is not closed.</source>
        <translation>ファイルが破損しています: 閉じられていないセクションがあります。</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement(s), more than one import can read.</source>
        <translation>
            <numerusform>ファイルには 1 回のインポートで読める上限の %n 件を超える明細があります。</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is damaged: a statement line is not closed.</source>
        <translation>ファイルが破損しています: 閉じられていない明細行があります。</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n statement line(s), more than one import can read.</source>
        <translation>
            <numerusform>ファイルには 1 回のインポートで読める上限の %n 行を超える明細行があります。</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a bank or credit card statement OFX file.</source>
        <translation>銀行またはクレジットカード明細の OFX ファイルではありません。</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB and was not read.</source>
        <translation>%1 は %2 MB を超えているため読み込まれませんでした。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB and was not read.</source>
        <translation>ファイルが %1 MB を超えているため読み込まれませんでした。</translation>
    </message>
    <message>
        <source>No temporary file could be made to read the statement.</source>
        <translation>明細を読み込むための一時ファイルを作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>登録済みデバイス</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>アカウントと同期したデバイスです。</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>登録されたデバイスはありません。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスを削除</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 を削除しますか?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>デバイスを削除しました。</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>グループなし</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>グループに参加していません。グループのオーナーから招待を受けるか、招待コードで参加できます。</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>招待コードで参加</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>保留中の招待</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>招待コード: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>メンバーを招待</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>メールで招待</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>招待コードを生成</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>グループから退出</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>グループに参加</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>招待コードを入力:</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>招待コードが無効か期限切れです。</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>グループに参加しました。</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>メンバーを削除</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 をグループから削除しますか?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>招待を取り消しました。</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>招待を取り消せませんでした。</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>招待を送信できませんでした。</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>招待を送信しました。</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>コードを生成できませんでした。</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>招待コード</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>招待したい人にこのコードを伝えてください:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>このグループから退出しますか? 共有データにアクセスできなくなります。</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>グループから退出しました。</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>グループから退出できませんでした。</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>アカウントを削除</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>あなたはグループのオーナーです。アカウントを削除する前に、所有権を移すか、すべてのメンバーを削除してください。</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>危険な操作</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>アカウントを完全に削除します。30 日を過ぎると元に戻せません。</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>アカウントは 30 日後に完全に削除されるよう予約されます。

確認のため DELETE と入力してください:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>アカウントを削除できませんでした。</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>アカウントの削除を予約しました</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>アカウントは 30 日後に完全に削除されます。それまでにサインインすれば復元できます。</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountProfilePage</name>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>（未設定）</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>表示名を編集</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードを変更</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>アカウントのパスワードを変更します。</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>プロフィールを更新できませんでした。</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>表示名を更新しました。</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>新しいパスワード（8 文字以上）:</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>パスワードは 8 文字以上にしてください。</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>新しいパスワード（確認）:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>パスワードを変更できませんでした。</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>現在アクティブ</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>不明なクライアント</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>アクティブなセッション</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>現在アカウントにサインインしているセッションです。</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>アクティブなセッションはありません。</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>このセッション</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>セッションを取り消しました。</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>セッションを取り消せませんでした。</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ApiClient</name>
    <message>
        <source>Refusing to send sign-in credentials over an unencrypted connection to %1</source>
        <translation>暗号化されていない接続では %1 にサインイン情報を送信しません</translation>
    </message>
    <message>
        <source>The answer from %1 is too large</source>
        <translation>%1 からの応答が大きすぎます</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 から時間内に応答がありませんでした</translation>
    </message>
</context>
<context>
    <name>OrlAccount::AuthClient</name>
    <message>
        <source>The sign-in was not completed in time. Please try again.</source>
        <translation>サインインが時間内に完了しませんでした。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>OrlAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>アクセスできるユーザー</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>You are not in a family group yet.</source>
        <translation>まだファミリーグループに参加していません。</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>グループのメンバー全員がすでにアクセスできます</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセスを削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>アクセスを削除しますか?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 はアクセスできなくなります。続行しますか?</translation>
    </message>
    <message>
        <source>Or share with someone by their e-mail address:</source>
        <translation>またはメールアドレスで共有します:</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>The service did not answer.</source>
        <translation>サービスから応答がありませんでした。</translation>
    </message>
    <message>
        <source>Could not load who has access: %1</source>
        <translation>アクセスできるユーザーを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込んでいます...</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Once it has synced, you can share it.</source>
        <translation>この口座はまだ同期サービスに届いていません。同期が済むと共有できます。</translation>
    </message>
    <message>
        <source>This account has not reached the sync service yet. Sync it, then share it.</source>
        <translation>この口座はまだ同期サービスに届いていません。同期してから共有してください。</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Enter an e-mail address such as name@example.com.</source>
        <translation>name@example.com のようなメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>OrlAccount::SyncApiSharingBackend</name>
    <message>
        <source>Failed to load the members (HTTP %1)</source>
        <translation>メンバーを読み込めませんでした (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to remove access (HTTP %1)</source>
        <translation>アクセスを削除できませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>OrlUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です (バージョン %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>アップデートの確認に失敗しました: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンが利用可能です。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>現在のバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
</context>
<context>
    <name>OrlUpdate::WhatsNewDialog</name>
    <message>
        <source>You are running version %1</source>
        <translation>現在のバージョン: %1</translation>
    </message>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Rename Selected</source>
        <translation>選択項目の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前を変更できませんでした</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の名前を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する支払先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>支払先を統合</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の支払先を「%2」に統合しますか?</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>統合に失敗しました</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeService</name>
    <message>
        <source>Rename Payee</source>
        <translation>支払先の名前を変更</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>支払先の名前を変更</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する支払先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>支払先を統合</translation>
    </message>
    <message>
        <source>Enter the new payee name.</source>
        <translation>支払先の新しい名前を入力してください。</translation>
    </message>
    <message>
        <source>Could not rename the payee: the database is busy.</source>
        <translation>支払先の名前を変更できませんでした: データベースが使用中です。</translation>
    </message>
    <message>
        <source>Could not rename the payee. Nothing was changed.</source>
        <translation>支払先の名前を変更できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>The transactions of this payee no longer exist.</source>
        <translation>この支払先の取引はもう存在しません。</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合です。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日時</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>まだ照合はありません。出納帳から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>済</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>口座を照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細の日付:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細の残高:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>消し込み済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>消し込み済みの出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>消し込み済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細の残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加 (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Reconciliation Not Finished</source>
        <translation>照合は完了していません</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合が完了しました</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>取引は保存されていません</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>%1 の取引を削除しますか?</translation>
    </message>
    <message>
        <source>Delete the transfer for %1?

Both sides of the transfer will be deleted.</source>
        <translation>%1 の振替を削除しますか?

振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引を削除</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>取引は削除されていません</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciled balance of this account could not be read</source>
        <translation>この口座の照合済み残高を読み込めませんでした</translation>
    </message>
    <message>
        <source>The reconciled transactions add up to more than an amount can hold</source>
        <translation>照合済みの取引の合計が金額の上限を超えています</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>この口座はもう存在しません</translation>
    </message>
    <message>
        <source>%1 changed while you were reconciling. Nothing was saved; look over the list and finish again.</source>
        <translation>照合中に%1が変更されました。何も保存されていません。一覧を確認して、もう一度完了してください。</translation>
    </message>
    <message>
        <source>Enter a valid statement date</source>
        <translation>有効な明細の日付を入力してください</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved</source>
        <translation>照合を保存できませんでした</translation>
    </message>
    <message>
        <source>The reconciled balance of this account</source>
        <translation>この口座の照合済み残高</translation>
    </message>
    <message>
        <source>The transaction %1 is ticked twice</source>
        <translation>取引 %1 が二重にチェックされています</translation>
    </message>
    <message>
        <source>The transaction %1</source>
        <translation>取引 %1</translation>
    </message>
    <message>
        <source>The ticked transactions add up to more than an amount can hold</source>
        <translation>チェックした取引の合計が金額の上限を超えています</translation>
    </message>
    <message>
        <source>The ticked transactions do not add up to the statement balance</source>
        <translation>チェックした取引の合計が明細の残高と一致しません</translation>
    </message>
</context>
<context>
    <name>ReconciliationWindows</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新しい定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引を編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を記憶</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して支払先を検索...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動記帳</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 日</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>事前に記帳:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
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
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日到来分をすべて確定</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>今後 7 日分を記帳</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新しい定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>（期日到来 %1 件）</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>前倒しで記帳(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>「%1」を今すぐ記帳しますか（日付 %2）? 取引の日付は期日になり、後から編集や削除ができます。</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>前倒しで記帳</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか?</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>今後 7 日以内に期日が来る定期取引をすべて記帳しますか? 日付はそれぞれの期日になり、後から編集や削除ができます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: it was still behind after %2 postings in one run (next due %3). Check its dates, then edit it and turn Active back on.</source>
        <translation>「%1」を無効にしました: 1 回の処理で %2 件記帳してもまだ遅れていました（次回期日 %3）。日付を確認し、編集して「有効」を再びオンにしてください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was turned off: its next due date is not a usable date. Edit it, set its start date and turn Active back on.</source>
        <translation>「%1」を無効にしました: 次回期日が使用できない日付です。編集して開始日を設定し、「有効」を再びオンにしてください。</translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n, one for each template that was due.</source>
        <translation>
            <numerusform>記帳した取引: %n 件（期日が来た各テンプレートにつき 1 件）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was due.</source>
        <translation>期日が来ているものはありませんでした。</translation>
    </message>
    <message>
        <source>Nothing could be posted.</source>
        <translation>何も記帳できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Templates still due: %n. Confirm All Due posts one occurrence of each at a time; Enter Next 7 Days posts all of them.</source>
        <translation>
            <numerusform>期日が残っているテンプレート: %n 件。「期日到来分をすべて確定」は各テンプレートを 1 回分ずつ記帳し、「今後 7 日分を記帳」はすべて記帳します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transactions posted: %n.</source>
        <translation>
            <numerusform>記帳した取引: %n 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is due in the next 7 days.</source>
        <translation>今後 7 日以内に期日が来るものはありません。</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>定期取引を保存できませんでした</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>定期取引を削除できませんでした</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>[Transfer] %1</source>
        <translation>[振替] %1</translation>
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
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>済</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>支払先 / メモ</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>消し込み済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未消し込み</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 記憶  |  &apos;: 上をコピー</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>表示する列</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>出納帳のレイアウトをリセット</translation>
    </message>
    <message>
        <source>  ·  *%1</source>
        <translation>  ·  *%1</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先は必須です</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>支払または入金の金額を入力してください</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>フィールドをクリアしました</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」（%2）を削除しますか?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」（%2）を削除しますか?

振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引を削除</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>記憶できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として記憶しました</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>新規挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新しい取引(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>ダイアログで編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;D)...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>分割を編集(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>取引を分割(&amp;S)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未消し込みにする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>消し込み済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Your unsaved entry is back</source>
        <translation>保存していない入力を復元しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>「%1」は金額ではありません</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>金額が大きすぎます</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>「%1」は日付ではありません</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;; choose one from the list</source>
        <translation>カテゴリ「%1」はありません。一覧から選んでください</translation>
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
        <translation>この期間に表示するデータはありません</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Show chart</source>
        <translation>グラフを表示</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年の比較</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年の比較</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期の比較</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去 30 日</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去 90 日</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>支払先別の概要</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座の概要</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Double-click a category, or click its bar, to list its transactions.</source>
        <translation>カテゴリをダブルクリックするか棒をクリックすると、その取引を一覧表示します。</translation>
    </message>
    <message>
        <source>Double-click a payee to list its transactions.</source>
        <translation>支払先をダブルクリックすると、その取引を一覧表示します。</translation>
    </message>
    <message>
        <source>Click a bar to list the transactions of that category and period.</source>
        <translation>棒をクリックすると、そのカテゴリと期間の取引を一覧表示します。</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV をエクスポート</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>期間1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>期間2:</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>期間1: %1 – %2    期間2: %3 – %4</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消し込み済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未消し込み</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Spending on %1</source>
        <translation>%1 への支出</translation>
    </message>
    <message>
        <source>Transactions with %1</source>
        <translation>%1 との取引</translation>
    </message>
    <message>
        <source>%1, %2 – %3</source>
        <translation>%1、%2 – %3</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.

%2</source>
        <translation>レポートを「%1」として保存できませんでした。

%2</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>メインの当座預金</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
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
        <translation>隔週の給与</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>2 月の家賃</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>毎週の食料品</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>給油</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>電気料金</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>水道料金</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>毎月のストリーミング</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>外食（夕食）</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>毎月の寄付</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>普通預金への振替</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>毎月の貯蓄</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>3 月の家賃</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>インターネット回線</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>昼食</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>処方薬</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>コーヒーとペストリー</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>利息の支払</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>当座預金からの振替</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>フードデリバリー</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>スマホケース</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>クラウドストレージプラン</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>お支払い - ありがとうございます</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>クレジットカードの支払</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>コーヒー豆</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>プログラミングの本</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USB ハブ</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>Sample data could not be loaded: %1</source>
        <translation>サンプルデータを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>Sample data could not be cleared: %1</source>
        <translation>サンプルデータを消去できませんでした: %1</translation>
    </message>
    <message>
        <source>your transactions use them</source>
        <translation>ご自身の取引で使われている</translation>
    </message>
    <message>
        <source>your split lines belong to them</source>
        <translation>ご自身の分割行が属している</translation>
    </message>
    <message>
        <source>your recurring transactions use them</source>
        <translation>ご自身の定期取引で使われている</translation>
    </message>
    <message>
        <source>your reconciliations use them</source>
        <translation>ご自身の照合で使われている</translation>
    </message>
    <message>
        <source>your categories use them</source>
        <translation>ご自身のカテゴリで使われている</translation>
    </message>
    <message>
        <source>your transaction templates use them</source>
        <translation>ご自身の取引テンプレートで使われている</translation>
    </message>
    <message>
        <source>other sample rows that stay use them</source>
        <translation>残る他のサンプル行で使われている</translation>
    </message>
    <message numerus="yes">
        <source>%n sample account(s) stay because %1</source>
        <translation>
            <numerusform>%1 ため、サンプル口座 %n 件は残ります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample transaction(s) stay because %1</source>
        <translation>
            <numerusform>%1 ため、サンプルの取引 %n 件は残ります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample recurring transaction(s) stay because %1</source>
        <translation>
            <numerusform>%1 ため、サンプルの定期取引 %n 件は残ります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample split line(s) stay because %1</source>
        <translation>
            <numerusform>%1 ため、サンプルの分割行 %n 件は残ります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sample reconciliation(s) stay because %1</source>
        <translation>
            <numerusform>%1 ため、サンプルの照合 %n 件は残ります</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
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
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消し込み済み</translation>
    </message>
    <message>
        <source>Not cleared</source>
        <translation>未消し込み</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>支払先、メモ、小切手番号を検索...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>消し込み済みのみ</translation>
    </message>
    <message>
        <source>Clear Report Filter</source>
        <translation>レポートの絞り込みを解除</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message numerus="yes">
        <source>Showing the newest %n matches; narrow the search to see older ones.</source>
        <translation>
            <numerusform>新しい順に %n 件の一致を表示しています。古いものを見るには検索を絞り込んでください。</numerusform>
        </translation>
    </message>
    <message>
        <source>No transactions match.</source>
        <translation>一致する取引はありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n 件の取引が見つかりました。</numerusform>
        </translation>
    </message>
    <message>
        <source>category “%1”</source>
        <translation>カテゴリ「%1」</translation>
    </message>
    <message>
        <source>payee “%1”</source>
        <translation>支払先「%1」</translation>
    </message>
    <message>
        <source>expenses only</source>
        <translation>支出のみ</translation>
    </message>
    <message>
        <source>accounts in %1</source>
        <translation>%1 の口座</translation>
    </message>
    <message>
        <source>an account no longer listed</source>
        <translation>一覧にない口座</translation>
    </message>
    <message>
        <source>From a report</source>
        <translation>レポートから</translation>
    </message>
    <message>
        <source>From the report figure “%1”</source>
        <translation>レポートの数値「%1」から</translation>
    </message>
</context>
<context>
    <name>SearchService</name>
    <message numerus="yes">
        <source>The search text is too long: at most %n characters.</source>
        <translation>
            <numerusform>検索する文字列が長すぎます（%n 文字まで）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Search for at most %n words at a time.</source>
        <translation>
            <numerusform>一度に検索できるのは %n 語までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>The transactions could not be searched.</source>
        <translation>取引を検索できませんでした。</translation>
    </message>
</context>
<context>
    <name>SettingsAboutPage</name>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Orlindo Quillby</source>
        <translation>Orlindo Quillby</translation>
    </message>
    <message>
        <source>A digital quillby register for tracking household finances.</source>
        <translation>家計を記録するデジタル出納帳 quillby です。</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license and Qt Charts under the GPL v3; it is free software under the GPL v3 or later.</source>
        <translation>このアプリケーションは LGPL v3 ライセンスの Qt フレームワークと GPL v3 の Qt Charts を使用しています。GPL v3 以降のフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby on the web&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot; style=&quot;color:%3&quot;&gt;Orlindo Quillby のウェブサイト&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot; style=&quot;color:%3&quot;&gt;スマートフォン版 Orlindo Quillby&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>SettingsDataPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップをエクスポート</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップをインポート</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your quillby in sync across all your devices.</source>
        <translation>すべてのデバイスで quillby を同期しましょう。</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データをポータブルなバックアップファイルに保存または復元します。</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてをバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を保持（タイムスタンプを比較）</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目をスキップ</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>エクスポートしています...</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップに失敗しました</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>The backup could not be made from the database.</source>
        <translation>データベースからバックアップを作成できませんでした。</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written. %3</source>
        <translation>%2 バイト中 %1 バイトしか書き込めませんでした。%3</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップが完了しました</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップの保存先:
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどう扱いますか?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred.</source>
        <translation>
            <numerusform>%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポートが完了しました</translation>
    </message>
</context>
<context>
    <name>SettingsDeletedAccounts</name>
    <message>
        <source>Restore Selected</source>
        <translation>選択項目を復元</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>復元に失敗しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be restored. Nothing was changed.</source>
        <translation>「%1」を復元できませんでした。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>SettingsGeneralPage</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>特大</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Orlindo Quillby looks.</source>
        <translation>Orlindo Quillby の見た目を設定します。</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Orlindo Quillby.</source>
        <translation>新しい言語は次回 Orlindo Quillby を起動したときに反映されます。</translation>
    </message>
</context>
<context>
    <name>SettingsRegisterPage</name>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先に表示</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>出納帳での取引の表示方法です。</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>メモを支払先の下の 2 行目に表示します。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>出納帳での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が上に表示されます。</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>SettingsSyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を強制実行</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Orlindo Account to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、[ファイル] › [Orlindo アカウント] からサインインしてください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <source>A sync is under way; a full sync can start once it has finished.</source>
        <translation>同期を実行中です。完了後に完全同期を開始できます。</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>A sync is under way. Start the full sync once it has finished.</source>
        <translation>同期を実行中です。完了してから完全同期を開始してください。</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>すべてのローカル行をサーバーに再アップロードし、サーバーのすべてのデータを再ダウンロードします。デバイス間でデータが同期されていないように見える場合に使用してください。

続行しますか？</translation>
    </message>
</context>
<context>
    <name>ShareAccountLauncher</name>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Orlindo account.</source>
        <translation>共有するには Orlindo アカウントが必要です。</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座を共有</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>共有: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Orlindo family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Orlindo ファミリーグループのメンバーと共有します。メンバーのデバイスにも同じ出納帳、残高、照合履歴が表示されます。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有先</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>You&apos;re not in a family group. Start one or join one in File › Orlindo Account › Group, or share by e-mail address below.</source>
        <translation>ファミリーグループに参加していません。ファイル › Orlindo アカウント › グループ で作成または参加するか、下のメールアドレスで共有してください。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセスを削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>共有に失敗しました</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有を解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 のこの口座へのアクセスを削除しますか?</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>取引を分割</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>残り: %1</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 less than the transaction&apos;s %3.</source>
        <translation>行の合計は %1 で、取引の %3 より %2 少なくなっています。</translation>
    </message>
    <message>
        <source>The lines add up to %1, %2 more than the transaction&apos;s %3.</source>
        <translation>行の合計は %1 で、取引の %3 より %2 多くなっています。</translation>
    </message>
    <message>
        <source>Add a Line for %1</source>
        <translation>%1 の行を追加</translation>
    </message>
    <message>
        <source>Change the Total to %1</source>
        <translation>合計を %1 に変更</translation>
    </message>
    <message>
        <source>Lower the lines so they add up to %1.</source>
        <translation>合計が %1 になるように行の金額を減らしてください。</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Split Transaction</source>
        <translation>取引を分割</translation>
    </message>
    <message>
        <source>Choose a category for every split line with an amount.</source>
        <translation>金額のある分割行にはそれぞれカテゴリを選んでください。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ 行を追加</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- 削除</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Quillby, a register for household finances.</source>
        <translation>Quillby – 家計のための出納帳。</translation>
    </message>
    <message>
        <source>Open (or create) the database, build the main window without showing it, print the database&apos;s path and exit.</source>
        <translation>データベースを開き (または作成し)、メインウィンドウを表示せずに構築して、データベースのパスを出力してから終了します。</translation>
    </message>
    <message>
        <source>A CSV, QIF or OFX file to import.</source>
        <translation>インポートする CSV、QIF、または OFX ファイル。</translation>
    </message>
    <message>
        <source>Give at most one file to import.</source>
        <translation>インポートするファイルは 1 つだけ指定してください。</translation>
    </message>
    <message>
        <source>--check-start takes no file.</source>
        <translation>--check-start にはファイルを指定できません。</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>ファイル名が空です。</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>ファイル名が長すぎます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name this program can open.</source>
        <translation>「%1」はこのプログラムで開けるファイル名ではありません。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>ファイル「%1」は存在しません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>「%1」はファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>「%1」は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>ファイル「%1」を読み取れません。</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  期日の定期取引 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Sync failed: the server did not answer in time</source>
        <translation>同期に失敗しました: サーバーが時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be read</source>
        <translation>同期に失敗しました: ローカルデータを読み取れませんでした</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>送信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Sync failed: the local data could not be updated</source>
        <translation>同期に失敗しました: ローカルデータを更新できませんでした</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>取得に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer has no position to continue from</source>
        <translation>取得に失敗しました: サーバーの応答に再開位置が含まれていません</translation>
    </message>
    <message>
        <source>Pull failed: %1</source>
        <translation>取得に失敗しました: %1</translation>
    </message>
</context>
<context>
    <name>SyncOwnership</name>
    <message>
        <source>No account is signed in.</source>
        <translation>サインインしているアカウントはありません。</translation>
    </message>
    <message>
        <source>The data could not be prepared for upload.</source>
        <translation>アップロード用のデータを準備できませんでした。</translation>
    </message>
</context>
<context>
    <name>SyncPageApplier</name>
    <message>
        <source>a pulled row could not be stored</source>
        <translation>取得した行を保存できませんでした</translation>
    </message>
    <message>
        <source>the database is busy</source>
        <translation>データベースがビジー状態です</translation>
    </message>
    <message>
        <source>the sync position could not be stored</source>
        <translation>同期位置を保存できませんでした</translation>
    </message>
    <message>
        <source>the pulled rows refer to records that are missing</source>
        <translation>取得した行が存在しないレコードを参照しています</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>取引の詳細</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>振替先:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>登録日時: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>最終更新: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>編集...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>削除...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>分割行</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>（分割行の記録はありません）</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>（未分類）</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消し込み済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未消し込み</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>未消し込みにする</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>消し込み済みにする</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」（%2）を削除しますか?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」（%2）を削除しますか?

振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引を削除</translation>
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
        <translation>新しい取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引を編集</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して支払先を検索...</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>分割...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>この取引を、金額とメモをそれぞれ持つ複数のカテゴリに分割します。</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>1 つのカテゴリを使用</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>分割をやめて、1 つのカテゴリの取引に戻します。</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消し込み済み</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>New Transaction</source>
        <translation>新しい取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引を編集</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>この取引はもう存在しません</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>消し込み済みにする</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>未消し込みにする</translation>
    </message>
    <message>
        <source>Edit Splits</source>
        <translation>分割を編集</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>取引を削除できませんでした</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引を削除</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>この口座はもう存在しません</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>有効な日付を入力してください</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先は必須です</translation>
    </message>
    <message>
        <source>The category no longer exists</source>
        <translation>このカテゴリはもう存在しません</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>振替には異なる 2 つの口座が必要です</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替には両方の口座が同じ通貨である必要があります</translation>
    </message>
    <message>
        <source>Each split line needs a category</source>
        <translation>各分割行にカテゴリが必要です</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>取引を保存できませんでした</translation>
    </message>
    <message>
        <source>The split lines add up to more than an amount can hold</source>
        <translation>分割行の合計が金額の上限を超えています</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>金額が大きすぎます</translation>
    </message>
    <message>
        <source>The other side of this transfer is split; edit its splits to change the amount</source>
        <translation>この振替の相手側は分割されています。金額を変えるには相手側の分割を編集してください</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>%1 からの振替</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>%1 への振替</translation>
    </message>
    <message>
        <source>The split lines could not be saved</source>
        <translation>分割行を保存できませんでした</translation>
    </message>
    <message>
        <source>The change could not be undone</source>
        <translation>変更を元に戻せませんでした</translation>
    </message>
    <message>
        <source>This transaction is split; change its amount in the split editor</source>
        <translation>この取引は分割されています。金額は分割エディターで変更してください</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>Nothing to undo</source>
        <translation>元に戻す操作はありません</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>やり直す操作はありません</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>セッションが終了しました。同期を続けるには再度サインインしてください。</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>完全にオフラインで動作します。データはこのデバイスに保存されます。</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>口座を追加します（当座預金、普通預金、クレジットカードなど、記録したい口座ならどれでも）。</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>お金を使ったら取引を記録します。</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>明細が届いたら照合します。</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>おかえりなさい</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>サインインすると、データをデバイス間で同期できます。</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>別の口座を作成</translation>
    </message>
    <message>
        <source>Welcome to
Orlindo Quillby</source>
        <translation>ようこそ
Orlindo Quillby へ</translation>
    </message>
    <message>
        <source>A digital quillby register.</source>
        <translation>デジタル出納帳 quillby。</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちですか? サインイン</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>最初の口座を作成</translation>
    </message>
</context>
<context>
    <name>ZipArchiveReader</name>
    <message>
        <source>entry too large</source>
        <translation>エントリが大きすぎます</translation>
    </message>
    <message>
        <source>entry data does not match its declared size</source>
        <translation>エントリのデータが宣言されたサイズと一致しません</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file is empty or missing</source>
        <translation>ファイルが空か、存在しません</translation>
    </message>
    <message>
        <source>unsupported compression or encryption</source>
        <translation>サポートされていない圧縮または暗号化です</translation>
    </message>
</context>
<context>
    <name>ZipArchiveWriter</name>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
</context>
</TS>
