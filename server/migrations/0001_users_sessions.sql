-- Users and their sign-in sessions. Times are Unix seconds (UTC).
CREATE TABLE users (
    id                    TEXT PRIMARY KEY,
    email                 TEXT NOT NULL UNIQUE,
    password_hash         TEXT NOT NULL,
    display_name          TEXT NOT NULL DEFAULT '',
    username              TEXT NOT NULL DEFAULT '',
    avatar_url            TEXT NOT NULL DEFAULT '',
    language              TEXT NOT NULL DEFAULT '',
    timezone              TEXT NOT NULL DEFAULT '',
    status                TEXT NOT NULL DEFAULT 'active',
    deletion_scheduled_at BIGINT,
    created_at            BIGINT NOT NULL
);

-- One row per sign-in. Only hashes of refresh tokens are kept.
CREATE TABLE sessions (
    id             TEXT PRIMARY KEY,
    user_id        TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    refresh_hash   TEXT NOT NULL UNIQUE,
    user_agent     TEXT NOT NULL DEFAULT '',
    ip_address     TEXT NOT NULL DEFAULT '',
    device_id      TEXT,
    created_at     BIGINT NOT NULL,
    last_active_at BIGINT NOT NULL,
    expires_at     BIGINT NOT NULL,
    revoked_at     BIGINT
);
CREATE INDEX sessions_by_user ON sessions(user_id);

-- Refresh tokens already rotated away: presenting one again revokes its session.
CREATE TABLE retired_refresh_tokens (
    token_hash TEXT PRIMARY KEY,
    session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,
    retired_at BIGINT NOT NULL
);

-- Failed sign-ins per key (a hash of an e-mail address or of a client
-- address), for slowing down guessing. `lockouts` counts the locks in a row,
-- so each one lasts twice as long as the one before.
CREATE TABLE login_failures (
    key          TEXT PRIMARY KEY,
    failures     INTEGER NOT NULL,
    window_start BIGINT NOT NULL,
    locked_until BIGINT NOT NULL DEFAULT 0,
    lockouts     INTEGER NOT NULL DEFAULT 0
);
