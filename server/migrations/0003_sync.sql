-- Each data-set owner has one change sequence; every accepted change takes its next number.
CREATE TABLE change_sequences (
    owner_id TEXT PRIMARY KEY REFERENCES users(id) ON DELETE CASCADE,
    last_seq BIGINT NOT NULL
);

-- The latest state of every synced row, keyed as installations know it.
CREATE TABLE sync_rows (
    owner_id    TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    entity_type TEXT NOT NULL,
    client_id   TEXT NOT NULL,
    server_id   TEXT NOT NULL UNIQUE,
    account_id  TEXT NOT NULL DEFAULT '',
    version     BIGINT NOT NULL,
    seq         BIGINT NOT NULL,
    deleted     INTEGER NOT NULL DEFAULT 0,
    payload     TEXT NOT NULL,
    updated_at  BIGINT NOT NULL,
    PRIMARY KEY (owner_id, entity_type, client_id)
);
CREATE INDEX sync_rows_by_seq ON sync_rows(owner_id, seq);
CREATE INDEX sync_rows_by_account ON sync_rows(owner_id, account_id, seq);

-- Accounts an owner shares with other users.
CREATE TABLE account_shares (
    owner_id   TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    account_id TEXT NOT NULL,
    member_id  TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    role       TEXT NOT NULL,
    created_at BIGINT NOT NULL,
    PRIMARY KEY (owner_id, account_id, member_id)
);
CREATE INDEX account_shares_by_member ON account_shares(member_id);
