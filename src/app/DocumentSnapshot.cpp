#include "DocumentSnapshot.h"

#include "Program.h"
#include "TALL.h"
#include "model/Catalogue.h"

DocumentSnapshot DocumentSnapshot::take()
{
    DocumentSnapshot s;
    const TALL &all = All();
    s.m_model = all.CurrentModel;
    s.m_modelCode = all.ModelCode;
    s.m_band = all.BandLabel;
    s.m_fun = Fun();
    s.m_messages = EnMsg();
    return s;
}

void DocumentSnapshot::restore() const
{
    SelectModel(m_model);
    All().ModelCode = m_modelCode;
    SelectBand(m_band);
    Fun() = m_fun;
    EnMsg() = m_messages;
}
