#include "cards/cardeditors.h"

#include "frame/editorregistry.h"
#include "ok/frmok.h"
#include "ok/okdocument.h"
#include "okd/frmokd.h"
#include "okd/okddocument.h"
#include "rk/frmrk1.h"
#include "rk/rkdocument.h"

void registerCardEditors()
{
    registerEditor<TfrmRK1>(CardKind::RK);
    registerEditor<TfrmOK>(CardKind::OK);
    registerEditor<TpfrmOkd>(CardKind::OKD);
    registerDocument<RkDocument>(CardKind::RK);
    registerDocument<OkDocument>(CardKind::OK);
    registerDocument<OkdDocument>(CardKind::OKD);
}
