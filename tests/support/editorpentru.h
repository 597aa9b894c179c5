#pragma once

#include "editors/editorgenericcomplex.h"

// The editor of a field on a record editor page, as its class; null when there is none.
template <typename T>
T* EditorPentru(const TEditorGenericComplex& pagina, const QString& camp)
{
    for (TEditorGeneric* editor : pagina.Editoare())
        if (editor->CodCamp == camp)
            return qobject_cast<T*>(editor);
    return nullptr;
}
