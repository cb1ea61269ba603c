-- An account's rows in date order: the register, reconciliation, reports of
-- one account and searches limited to an account and a date range read them
-- this way. With only the account index, SQLite sorted or scanned every row
-- of a large account for each of them.
CREATE INDEX IF NOT EXISTS idx_transactions_account_date ON transactions(account_id, date);
