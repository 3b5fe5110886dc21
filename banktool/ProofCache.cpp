#include "banktool/ProofCache.h"

#include "banktool/Language.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// The compiler as found on PATH and what it says of its version: an upgrade proves everything again.
QByteArray compilerIdentity(const QString &compiler)
{
    QProcess p;
    p.start(compiler, {QStringLiteral("--version")});
    if (!p.waitForFinished(10000))
        return compiler.toUtf8();
    return QStandardPaths::findExecutable(compiler).toUtf8() + '\n' + p.readAllStandardOutput();
}

}

ProofCache::ProofCache(const QString &file, const ProgramCheck::Settings &settings) : m_file(file)
{
    if (m_file.isEmpty())
        return;
    // ZQ_PROOF_CODE is the hash of the proof code, given by the build.
    m_salt = QByteArrayLiteral(ZQ_PROOF_CODE) + '\n' + compilerIdentity(settings.compiler) + '\n'
             + (settings.flags + settings.runFlags + settings.addressFlags).join(u' ').toUtf8();
    QFile f(m_file);
    if (!f.open(QIODevice::ReadOnly))
        return; // no proofs yet
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.size() == 64)
            m_hashes.insert(line);
    }
}

QByteArray ProofCache::hashOf(const QByteArray &material) const
{
    return QCryptographicHash::hash(m_salt + '\0' + material, QCryptographicHash::Sha256).toHex();
}

bool ProofCache::holds(const QByteArray &material) const
{
    if (m_file.isEmpty())
        return false;
    const QByteArray hash = hashOf(material);
    QMutexLocker lock(&m_mutex);
    return m_hashes.contains(hash);
}

void ProofCache::add(const QByteArray &material)
{
    if (m_file.isEmpty())
        return;
    const QByteArray hash = hashOf(material);
    QMutexLocker lock(&m_mutex);
    m_hashes.insert(hash);
}

QString ProofCache::save() const
{
    if (m_file.isEmpty())
        return {};
    QMutexLocker lock(&m_mutex);
    QList<QByteArray> hashes(m_hashes.begin(), m_hashes.end());
    std::sort(hashes.begin(), hashes.end());
    QDir().mkpath(QFileInfo(m_file).path());
    QSaveFile f(m_file);
    f.setDirectWriteFallback(false);
    if (f.open(QIODevice::WriteOnly)) {
        for (const QByteArray &h : hashes)
            f.write(h + '\n');
        if (f.commit())
            return {};
    }
    return localized(u"无法保存证明缓存 %1：%2", u"cannot save the proof cache %1: %2").arg(m_file, f.errorString());
}
