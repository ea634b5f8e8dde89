// SPDX-License-Identifier: MIT
// The steps of a save, the same on every system; how each is done is the
// system's own (savetarget_*.cpp).
#include "savetarget.h"

#include "savetargetimpl.h"

namespace kestrin {

SaveTarget::SaveTarget(const QString &path, SaveTargetOptions options)
    : d(makeSaveTargetImpl(path, options))
{
}

SaveTarget::~SaveTarget()
{
    d->discard();
    d->closeTarget();
}

bool SaveTarget::open()
{
    if (d->path.isEmpty())
        return d->fail(QStringLiteral("No file name was given."));
    return d->open();
}

bool SaveTarget::write(QByteArrayView bytes)
{
    if (d->kind != SaveTargetImpl::Kind::Replace) {
        d->pending.append(bytes);
        return true;
    }
    return d->writeTemporary(bytes);
}

bool SaveTarget::commit()
{
    bool ok = false;
    switch (d->kind) {
    case SaveTargetImpl::Kind::Replace: ok = d->commitReplace(); break;
    case SaveTargetImpl::Kind::InPlace: ok = d->commitInPlace(); break;
    case SaveTargetImpl::Kind::Direct: ok = d->commitDirect(); break;
    }
    d->discard();
    d->closeTarget();
    return ok;
}

void SaveTarget::discard()
{
    d->discard();
}

QString SaveTarget::error() const
{
    return d->error;
}

} // namespace kestrin
