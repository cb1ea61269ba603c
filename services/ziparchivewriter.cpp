#include "services/ziparchivewriter.h"

#include <QFile>

#include <zip.h>

#include <cstdlib>
#include <cstring>

namespace {

// A regular file, rw------- : the archive holds personal finances.
constexpr zip_uint32_t kExternalAttributes = (0100000u | 0600u) << 16;

// One produced entry, as the user data of its libzip source. Its bytes are
// asked for when libzip first needs them (the size, then the data) and
// dropped when libzip closes the source after writing them; the size is
// kept for libzip's last look at the entry.
struct ProducedEntry
{
    const ZipArchiveWriter::Producer *producer = nullptr;
    quint64 key = 0;
    QByteArray data;
    qint64 size = -1;      // -1 until produced
    qint64 position = 0;
    bool dropped = false;
    zip_error_t error;
};

bool produce(ProducedEntry *entry)
{
    if (entry->size >= 0 && !entry->dropped)
        return true;
    if (entry->dropped) {
        // libzip reads each entry once; a second read would ask the
        // producer again for data it may no longer give the same way.
        zip_error_set(&entry->error, ZIP_ER_INTERNAL, 0);
        return false;
    }
    if (!*entry->producer || !(*entry->producer)(entry->key, &entry->data)) {
        zip_error_set(&entry->error, ZIP_ER_READ, 0);
        return false;
    }
    entry->size = entry->data.size();
    return true;
}

zip_int64_t producedSource(void *userdata, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto *entry = static_cast<ProducedEntry *>(userdata);
    switch (command) {
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    case ZIP_SOURCE_STAT: {
        if (length < sizeof(zip_stat_t)) {
            zip_error_set(&entry->error, ZIP_ER_INVAL, 0);
            return -1;
        }
        if (entry->size < 0 && !produce(entry))
            return -1;
        auto *stat = static_cast<zip_stat_t *>(data);
        stat->size = zip_uint64_t(entry->size);
        stat->comp_method = ZIP_CM_STORE;
        stat->encryption_method = ZIP_EM_NONE;
        stat->valid |= ZIP_STAT_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_OPEN:
        if (!produce(entry))
            return -1;
        entry->position = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const auto available = zip_uint64_t(entry->data.size() - entry->position);
        const zip_uint64_t n = qMin(length, available);
        if (n > 0)
            std::memcpy(data, entry->data.constData() + entry->position, size_t(n));
        entry->position += qint64(n);
        return zip_int64_t(n);
    }
    case ZIP_SOURCE_CLOSE:
        entry->data = QByteArray();
        entry->dropped = true;
        return 0;
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&entry->error, data, length);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&entry->error);
        delete entry;
        return 0;
    default:
        zip_error_set(&entry->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

} // namespace

ZipArchiveWriter::ZipArchiveWriter(const QDateTime &timestamp)
    : m_mtime(timestamp.toSecsSinceEpoch())
{
}

ZipArchiveWriter::~ZipArchiveWriter()
{
    discard();
    if (m_buffer)
        zip_source_free(m_buffer);
}

void ZipArchiveWriter::discard()
{
    if (m_archive)
        zip_discard(m_archive);
    m_archive = nullptr;
}

bool ZipArchiveWriter::openBuffer()
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (buffer)
        m_archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!m_archive) {
        m_error = QString::fromUtf8(zip_error_strerror(&error));
        if (buffer)
            zip_source_free(buffer);
        zip_error_fini(&error);
        return false;
    }
    zip_error_fini(&error);
    // The archive frees its source when it closes; the bytes are read from
    // it afterwards.
    zip_source_keep(buffer);
    m_buffer = buffer;
    return true;
}

bool ZipArchiveWriter::openFile(const QString &path)
{
    // libzip writes a file through a temporary one renamed over it in
    // zip_close(), and removes the temporary one when the write fails.
    int code = 0;
    m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!m_archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        m_error = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return false;
    }
    return true;
}

bool ZipArchiveWriter::finishAdd(qint64 index, Compression compression)
{
    const zip_uint64_t at = zip_uint64_t(index);
    const zip_int32_t method = compression == Compression::Deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
    if (zip_set_file_compression(m_archive, at, method, 0) != 0
        || zip_file_set_external_attributes(m_archive, at, 0, ZIP_OPSYS_UNIX, kExternalAttributes) != 0
        || zip_file_set_mtime(m_archive, at, time_t(m_mtime), 0) != 0) {
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        return false;
    }
    return true;
}

bool ZipArchiveWriter::addData(const QByteArray &utf8Name, const QByteArray &data, Compression compression)
{
    m_nameTaken = false;
    if (!m_archive)
        return false;
    // A copy libzip frees itself: the caller's array may go before close().
    // libzip keeps no buffer for empty data, so none is made for it.
    void *copy = nullptr;
    if (!data.isEmpty()) {
        copy = std::malloc(size_t(data.size()));
        if (!copy) {
            m_error = tr("out of memory");
            return false;
        }
        std::memcpy(copy, data.constData(), size_t(data.size()));
    }
    zip_source_t *source = zip_source_buffer(m_archive, copy, zip_uint64_t(data.size()), copy ? 1 : 0);
    if (!source) {
        std::free(copy);
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        return false;
    }
    const zip_int64_t index = zip_file_add(m_archive, utf8Name.constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        m_nameTaken = zip_error_code_zip(zip_get_error(m_archive)) == ZIP_ER_EXISTS;
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        zip_source_free(source);
        return false;
    }
    return finishAdd(index, compression);
}

bool ZipArchiveWriter::addProduced(const QByteArray &utf8Name, quint64 key, Compression compression)
{
    m_nameTaken = false;
    if (!m_archive)
        return false;
    auto *entry = new ProducedEntry;
    entry->producer = &m_producer;
    entry->key = key;
    zip_error_init(&entry->error);
    zip_source_t *source = zip_source_function(m_archive, producedSource, entry);
    if (!source) {
        zip_error_fini(&entry->error);
        delete entry;
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        return false;
    }
    const zip_int64_t index = zip_file_add(m_archive, utf8Name.constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        m_nameTaken = zip_error_code_zip(zip_get_error(m_archive)) == ZIP_ER_EXISTS;
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        zip_source_free(source);   // frees the entry
        return false;
    }
    return finishAdd(index, compression);
}

bool ZipArchiveWriter::close()
{
    if (!m_archive)
        return false;
    if (zip_close(m_archive) != 0) {
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        discard();
        return false;
    }
    m_archive = nullptr;
    return true;
}

QByteArray ZipArchiveWriter::takeBuffer()
{
    if (m_archive || !m_buffer)
        return QByteArray();
    QByteArray bytes;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(m_buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && zip_source_open(m_buffer) == 0) {
        bytes.resize(qsizetype(stat.size));
        const zip_int64_t got = zip_source_read(m_buffer, bytes.data(), stat.size);
        zip_source_close(m_buffer);
        if (got != zip_int64_t(stat.size))
            bytes.clear();
    }
    zip_source_free(m_buffer);
    m_buffer = nullptr;
    return bytes;
}
