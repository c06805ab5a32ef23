#include "cards/cardeditors.h"

#include "app/editorregistry.h"
#include "rk/frmrk1.h"

void registerCardEditors()
{
    registerEditor<TfrmRK1>(CardKind::RK);
}
