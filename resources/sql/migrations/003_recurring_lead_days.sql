-- "Days in advance" for entering recurring transactions early. Existing rows
-- get 0 (no behavior change). Matches the server and mobile lead_days column.
ALTER TABLE recurring_transactions ADD COLUMN lead_days INTEGER NOT NULL DEFAULT 0;
