-- The bank's own id of an imported statement row (the OFX FITID), so a row
-- seen in an earlier import is recognised when the same or an overlapping
-- statement is imported again. A local fact of this installation: NULL for
-- every row typed in or synced from elsewhere.
ALTER TABLE transactions ADD COLUMN fitid TEXT;
CREATE INDEX IF NOT EXISTS idx_transactions_fitid ON transactions(account_id, fitid) WHERE fitid IS NOT NULL;

-- The search index holds payee, memo and check number only; an update of
-- any other column (the id above, sync marks, soft deletes) leaves it alone.
DROP TRIGGER IF EXISTS transactions_au;
CREATE TRIGGER IF NOT EXISTS transactions_au AFTER UPDATE OF payee, memo, check_number ON transactions BEGIN
    INSERT INTO transactions_fts(transactions_fts, rowid, payee, memo, check_number)
    VALUES ('delete', old.rowid, old.payee, old.memo, old.check_number);
    INSERT INTO transactions_fts(rowid, payee, memo, check_number)
    VALUES (new.rowid, new.payee, new.memo, new.check_number);
END;
