-- Each data-set owner has one change sequence; every accepted change takes its next number.
-- Writers lock the owner's row for the length of their transaction, so the
-- numbers of one owner are committed in order and a reader never sees a
-- number before a lower one.
CREATE TABLE change_sequences (
    owner_id TEXT PRIMARY KEY REFERENCES users(id) ON DELETE CASCADE,
    last_seq BIGINT NOT NULL
);

-- The latest state of every synced row, keyed as installations know it.
-- account_id: the row's account (an account's own id; '' for a category
-- without one). category_refs: the categories the row refers to (category,
-- split line categories, a category's parent) as ' id1 id2 ', for closing
-- pull pages and finding rows that waited for a category. payload: the
-- pulled object's keys of its type as compact JSON, without id, client_id
-- and version; deleted_at only while deleted.
CREATE TABLE sync_rows (
    owner_id      TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    entity_type   TEXT NOT NULL,
    client_id     TEXT NOT NULL,
    server_id     TEXT NOT NULL UNIQUE,
    account_id    TEXT NOT NULL DEFAULT '',
    category_refs TEXT NOT NULL DEFAULT '',
    version       BIGINT NOT NULL,
    seq           BIGINT NOT NULL,
    deleted       INTEGER NOT NULL DEFAULT 0,
    payload       TEXT NOT NULL,
    updated_at    BIGINT NOT NULL,
    PRIMARY KEY (owner_id, entity_type, client_id)
);
CREATE INDEX sync_rows_by_seq ON sync_rows(owner_id, seq);
CREATE INDEX sync_rows_by_account ON sync_rows(owner_id, account_id, seq);
-- Category changes in order, for the categories shared accounts show; only
-- category rows are in it, so pushing transactions does not maintain it.
CREATE INDEX sync_rows_categories_by_seq ON sync_rows(owner_id, seq) WHERE entity_type = 'category';

-- Categories that rows of an account refer to, with their parents: what
-- members of a shared account see of the owner's categories. Entries are
-- never removed; a category once used in the account stays visible.
CREATE TABLE sync_account_refs (
    owner_id    TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    account_id  TEXT NOT NULL,
    category_id TEXT NOT NULL,
    PRIMARY KEY (owner_id, account_id, category_id)
);
CREATE INDEX sync_account_refs_by_category ON sync_account_refs(owner_id, category_id);

-- Accounts an owner shares with other users. A share that ends keeps its
-- row (revoked_at set) so the member's installations learn to drop the
-- account; sharing again starts a new stream_id, which members pull from the
-- start. was_revoked: the share ended at least once before.
CREATE TABLE account_shares (
    owner_id    TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    account_id  TEXT NOT NULL,
    member_id   TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    role        TEXT NOT NULL,
    stream_id   TEXT NOT NULL UNIQUE,
    created_at  BIGINT NOT NULL,
    revoked_at  BIGINT,
    was_revoked INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (owner_id, account_id, member_id)
);
CREATE INDEX account_shares_by_member ON account_shares(member_id);
