-- Family groups: one owner, members, and invitations by code.
CREATE TABLE family_groups (
    id         TEXT PRIMARY KEY,
    name       TEXT NOT NULL,
    owner_id   TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    created_at BIGINT NOT NULL
);

-- A user belongs to one group at most.
CREATE TABLE group_members (
    group_id  TEXT NOT NULL REFERENCES family_groups(id) ON DELETE CASCADE,
    user_id   TEXT NOT NULL UNIQUE REFERENCES users(id) ON DELETE CASCADE,
    role      TEXT NOT NULL,
    joined_at BIGINT NOT NULL,
    PRIMARY KEY (group_id, user_id)
);

-- Only pending invitations are kept: joining uses one up, revoking deletes
-- it, and the hourly housekeeping deletes the expired ones. An invitation
-- with an e-mail address is for that address only.
CREATE TABLE group_invitations (
    id            TEXT PRIMARY KEY,
    group_id      TEXT NOT NULL REFERENCES family_groups(id) ON DELETE CASCADE,
    invited_email TEXT NOT NULL DEFAULT '',
    invite_code   TEXT NOT NULL UNIQUE,
    status        TEXT NOT NULL,
    created_at    BIGINT NOT NULL,
    expires_at    BIGINT NOT NULL
);
CREATE INDEX group_invitations_by_group ON group_invitations(group_id);
CREATE INDEX group_invitations_by_expiry ON group_invitations(expires_at);

-- Installations; the same fingerprint registered again updates its row.
CREATE TABLE devices (
    id           TEXT PRIMARY KEY,
    user_id      TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    fingerprint  TEXT NOT NULL,
    device_name  TEXT NOT NULL DEFAULT '',
    platform     TEXT NOT NULL DEFAULT '',
    app_id       TEXT NOT NULL DEFAULT '',
    app_version  TEXT NOT NULL DEFAULT '',
    last_sync_at BIGINT,
    created_at   BIGINT NOT NULL,
    UNIQUE (user_id, fingerprint)
);

-- The hourly purge looks for accounts whose deletion is due.
CREATE INDEX users_by_deletion_due ON users(deletion_scheduled_at);
