#pragma once

#include <QString>

// Where the user's data lives: QUILLBY_DATA_DIR when set, otherwise
// "Orlindo/Quillby" under the platform's generic data location. The folder is
// created when missing, readable by its owner only, since it holds a person's
// finances. A folder that cannot be created shows up later, when the
// database fails to open.
QString dataDirectory();
QString databasePath();
