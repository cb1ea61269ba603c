#include "services/ziparchivereader.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <limits>

namespace {

QString libzipText(zip_error_t *error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

} // namespace

ZipArchiveReader::~ZipArchiveReader()
{
    close();
}

void ZipArchiveReader::close()
{
    if (m_archive)
        zip_discard(m_archive);
    m_archive = nullptr;
}

ZipArchiveReader::OpenStatus ZipArchiveReader::open(const QByteArray &archive)
{
    close();
    m_error.clear();
    // libzip takes a source of no bytes for a new, empty archive.
    if (archive.isEmpty()) {
        m_error = tr("the file is empty");
        return OpenStatus::NotZip;
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, &error);
    if (!source) {
        m_error = libzipText(&error);
        zip_error_fini(&error);
        return OpenStatus::NotZip;
    }
    zip_error_fini(&error);
    return openSource(source);
}

ZipArchiveReader::OpenStatus ZipArchiveReader::openFile(const QString &path)
{
    close();
    m_error.clear();
    if (QFileInfo(path).size() == 0) {
        m_error = tr("the file is empty or missing");
        return OpenStatus::NotZip;
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_file_create(QFile::encodeName(path).constData(), 0, -1, &error);
    if (!source) {
        m_error = libzipText(&error);
        zip_error_fini(&error);
        return OpenStatus::NotZip;
    }
    zip_error_fini(&error);
    return openSource(source);
}

ZipArchiveReader::OpenStatus ZipArchiveReader::openSource(zip_source_t *source)
{
    zip_error_t error;
    zip_error_init(&error);
    // ZIP_CHECKCONS reads every local header and compares it with the
    // central directory, and refuses two entries of the same name.
    m_archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!m_archive) {
        const int code = zip_error_code_zip(&error);
        m_error = libzipText(&error);
        zip_error_fini(&error);
        zip_source_free(source);
        return code == ZIP_ER_INCONS || code == ZIP_ER_EXISTS ? OpenStatus::Inconsistent : OpenStatus::NotZip;
    }
    zip_error_fini(&error);
    return OpenStatus::Opened;
}

qint64 ZipArchiveReader::count() const
{
    return m_archive ? qint64(zip_get_num_entries(m_archive, 0)) : 0;
}

ZipArchiveReader::Entry ZipArchiveReader::entry(qint64 index) const
{
    Entry entry;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (!m_archive || index < 0 || zip_stat_index(m_archive, zip_uint64_t(index), 0, &stat) != 0)
        return entry;
    if (stat.valid & ZIP_STAT_NAME)
        entry.name = QByteArray(stat.name);
    if (stat.valid & ZIP_STAT_SIZE)
        entry.size = stat.size > zip_uint64_t(std::numeric_limits<qint64>::max()) ? std::numeric_limits<qint64>::max()
                                                                                   : qint64(stat.size);
    if (stat.valid & ZIP_STAT_COMP_SIZE)
        entry.compressedSize = stat.comp_size > zip_uint64_t(std::numeric_limits<qint64>::max())
            ? std::numeric_limits<qint64>::max()
            : qint64(stat.comp_size);
    entry.readable = (stat.valid & ZIP_STAT_COMP_METHOD) && (stat.valid & ZIP_STAT_ENCRYPTION_METHOD)
        && (stat.comp_method == ZIP_CM_STORE || stat.comp_method == ZIP_CM_DEFLATE)
        && stat.encryption_method == ZIP_EM_NONE;
    return entry;
}

bool ZipArchiveReader::read(qint64 index, qint64 maxSize, QByteArray *data)
{
    m_error.clear();
    const Entry declared = entry(index);
    if (!declared.readable) {
        m_error = tr("unsupported compression or encryption");
        return false;
    }
    if (declared.size > maxSize) {
        m_error = tr("entry too large");
        return false;
    }
    zip_file_t *file = zip_fopen_index(m_archive, zip_uint64_t(index), 0);
    if (!file) {
        m_error = QString::fromUtf8(zip_strerror(m_archive));
        return false;
    }
    // One byte of headroom shows data that runs past its declared size;
    // reading stops there, so nothing inflates beyond it.
    QByteArray buffer(declared.size + 1, Qt::Uninitialized);
    qint64 filled = 0;
    bool ok = true;
    while (filled < buffer.size()) {
        const zip_int64_t got = zip_fread(file, buffer.data() + filled, zip_uint64_t(buffer.size() - filled));
        if (got < 0) {
            m_error = QString::fromUtf8(zip_file_strerror(file));
            ok = false;
            break;
        }
        if (got == 0)
            break;
        filled += got;
    }
    zip_fclose(file);
    if (!ok)
        return false;
    if (filled != declared.size) {
        m_error = tr("entry data does not match its declared size");
        return false;
    }
    buffer.truncate(filled);
    *data = std::move(buffer);
    return true;
}
