#pragma once

#include "settings/TEnMsg.h"
#include "settings/TFun.h"

#include <QString>

class TMacType;

// The shared parts of the document (model, band, settings, messages) as they
// stand, to be put back when a read from the radio does not complete.
class DocumentSnapshot
{
public:
    static DocumentSnapshot take();
    void restore() const;

private:
    const TMacType *m_model = nullptr;
    QString m_modelCode;
    QString m_band;
    TFun m_fun;
    TEnMsg m_messages;
};
