#!/usr/bin/env python3
# Writes the Designer forms of the dialogs that are laid out in rows of
# label and field. Run it after changing a form here; the .ui files are committed.
import os
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
def esc(s): return s.replace('&','&amp;').replace('<','&lt;').replace('>','&gt;')
def combo(name, items, tag=None):
    x = f'<widget class="QComboBox" name="{name}">\n'
    if tag is not None: x += f'<property name="tag" stdset="0"><number>{tag}</number></property>\n'
    for it in items: x += f'<item><property name="text"><string>{esc(it)}</string></property></item>\n'
    return x + '</widget>\n'
def label(name, text): return f'<widget class="QLabel" name="{name}"><property name="text"><string>{esc(text)}</string></property></widget>\n'
def check(name, text): return f'<widget class="QCheckBox" name="{name}"><property name="text"><string>{esc(text)}</string></property></widget>\n'
def button(name, text, default=False):
    d = '<property name="default"><bool>true</bool></property>' if default else ''
    return f'<widget class="QPushButton" name="{name}"><property name="text"><string>{esc(text)}</string></property>{d}</widget>\n'
def item(w, row=None, col=None):
    rc = f' row="{row}" column="{col}"' if row is not None else ''
    return f'<item{rc}>\n{w}</item>\n'
def buttons():
    return ('<layout class="QHBoxLayout" name="layoutButtons">\n'
            '<item><spacer name="spacerButtons"><property name="orientation"><enum>Qt::Horizontal</enum></property></spacer></item>\n'
            + item(button('btnOk','&Ok',True)) + item(button('btnCancel','&Cancel')) + '</layout>\n')
def form(cls, obj, title, body, w, h):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0">\n<class>{cls}</class>\n'
            f'<widget class="QDialog" name="{obj}">\n<property name="geometry"><rect><x>0</x><y>0</y><width>{w}</width><height>{h}</height></rect></property>\n'
            f'<property name="windowTitle"><string>{esc(title)}</string></property>\n{body}</widget>\n<resources/>\n<connections/>\n</ui>\n')

left = [("Label1","Squelch level",combo("cbSQvelch",[str(i) for i in range(10)],-2)),
        ("Label2","Side Key",combo("cbMonikey",["Off","Monmome","H/L Power","Alarm"])),
        ("Label3","TX Time Out",combo("cbTxTimeout",["Off"]+[str(30*i) for i in range(1,11)],-3)),
        ("Label5","Scan",combo("cxScan",["Off","On"])),
        ("Label4","Voice",combo("cxWaveof",["Off","On"])),
        ("Label10","Voice Annunciation",combo("cbVoice",["English","Chinese"])),
        ("Label6","Incept Alarm",combo("cxAlt",["Off","On"])),
        ("Label7","FM",combo("cxFM",["Interdict","Turn on"]))]
grid = '<layout class="QGridLayout" name="layoutLeft">\n'
for i,(ln,lt,c) in enumerate(left):
    grid += item(label(ln,lt), i, 0) + item(c, i, 1)
grid += '</layout>\n'
vox = ('<widget class="QGroupBox" name="GroupBox1"><property name="title"><string>VOX</string></property>\n'
       '<layout class="QVBoxLayout" name="layoutVox">\n' + item(check('chVoxFun','VOX Function')) +
       item('<widget class="QWidget" name="pVox">\n<layout class="QGridLayout" name="layoutVoxPanel">\n'
            '<property name="leftMargin"><number>16</number></property>\n' +
            item(label('Label8','VOX Gain Level'),0,0) +
            item('<widget class="QSpinBox" name="seVoxLevel"><property name="minimum"><number>1</number></property><property name="maximum"><number>5</number></property></widget>\n',0,1) +
            item(check('chVoxInhibit','VOX Inhibit OnReceive'),1,0) + '</layout>\n</widget>\n') +
       '</layout>\n</widget>\n')
frame = ('<widget class="QGroupBox" name="GroupBox2"><property name="title"><string></string></property>\n'
         '<layout class="QVBoxLayout" name="layoutFrame">\n' +
         ''.join(item(check(n,t)) for n,t in [("cbBattSave","Battery Save"),("cbBeepTone","Clew Voice"),("cbVolhigh","High Vol Inhibit Tx"),("cbVolLow","Low Vol Inhibit Tx")]) +
         '</layout>\n</widget>\n')
right = '<layout class="QVBoxLayout" name="layoutRight">\n' + item(vox) + item(frame) + '<item><spacer name="spacerRight"><property name="orientation"><enum>Qt::Vertical</enum></property></spacer></item>\n</layout>\n'
body = ('<layout class="QVBoxLayout" name="layoutMain">\n<item>\n<layout class="QHBoxLayout" name="layoutColumns">\n' +
        item(grid) + item(right) + '</layout>\n</item>\n' + item(buttons()) + '</layout>\n')
open(os.path.join(ROOT, 'src/settings/TfBFunSet.ui'),'w').write(form('TfBFunSet','fBFunSet','Function Setting',body,520,330))

edits = ('<layout class="QFormLayout" name="layoutFields">\n' +
         item(label('Label1','Message A'),0,0) +
         item('<widget class="QLineEdit" name="edEMA"><property name="maxLength"><number>32</number></property></widget>\n',0,1) +
         item(label('Label2','Message B'),1,0) +
         item('<widget class="QLineEdit" name="edEMB"><property name="maxLength"><number>32</number></property></widget>\n',1,1) +
         '</layout>\n')
body = '<layout class="QVBoxLayout" name="layoutMain">\n' + item(edits) + item(buttons()) + '</layout>\n'
open(os.path.join(ROOT, 'src/settings/TfEmbeddedMessage.ui'),'w').write(form('TfEmbeddedMessage','fEmbeddedMessage','Embedded Message',body,380,120))

def lineedit(name, text=''):
    t = f'<property name="text"><string>{text}</string></property>' if text else ''
    return f'<widget class="QLineEdit" name="{name}">{t}<property name="alignment"><set>Qt::AlignRight|Qt::AlignVCenter</set></property></widget>\n'
def spin(name, lo, hi, val=None):
    v = f'<property name="value"><number>{val}</number></property>' if val is not None else ''
    return f'<widget class="QSpinBox" name="{name}"><property name="minimum"><number>{lo}</number></property><property name="maximum"><number>{hi}</number></property>{v}</widget>\n'
def editcombo(name, tag):
    return f'<widget class="QComboBox" name="{name}"><property name="editable"><bool>true</bool></property><property name="tag" stdset="0"><number>{tag}</number></property></widget>\n'
def hidden(w):
    return w.replace('</widget>\n', '<property name="visible"><bool>false</bool></property></widget>\n', 1) if False else w
def radio(name, text, checked=False):
    c = '<property name="checked"><bool>true</bool></property>' if checked else ''
    return f'<widget class="QRadioButton" name="{name}"><property name="text"><string>{esc(text)}</string></property>{c}</widget>\n'
yesno = lambda n: combo(n, ["Yes","No"])

# Channel Edit
top = ('<layout class="QGridLayout" name="layoutTop">\n' +
       item(label('Label1','Channel No.'),0,0) + item(spin('sexd',1,188,1),0,1) +
       item(label('Label2','RX Frequency'),1,0) + item(lineedit('eReceive'),1,1) + '</layout>\n')
panel = ('<widget class="QWidget" name="pMain">\n<layout class="QGridLayout" name="layoutPanel">\n'
         '<property name="leftMargin"><number>0</number></property><property name="rightMargin"><number>0</number></property>\n' +
         item(label('Label3','TX Frequency'),0,0) + item(lineedit('eSend'),0,1) +
         item(label('Label4','QT/DQT Deconde'),1,0) + item(editcombo('cbQT',-3),1,1) +
         item(label('Label5','QT/DQT Encode'),2,0) + item(editcombo('cbDQT',-3),2,1) +
         item(label('Label6','Wide/Narrow'),3,0) + item(combo('cbkz',["Wide","Narrow"]),3,1) +
         item(label('Label7','TX Power'),4,0) + item(combo('cbfsgl',["Low","High"]),4,1) +
         item(check('chsmtj','Scan Add'),5,0) + item(yesno('cbsmtj'),5,1) +
         item(check('chpppy','Beat Shift'),6,0) + item(yesno('cbpppy'),6,1) +
         item(check('chfm','Busy Lockout'),7,0) + item(yesno('cbfm'),7,1) +
         '</layout>\n</widget>\n')
closeb = ('<layout class="QHBoxLayout" name="layoutButtons">\n'
          '<item><spacer name="spacerButtons"><property name="orientation"><enum>Qt::Horizontal</enum></property></spacer></item>\n'
          + item(button('btnClose','&Close',True)) + '</layout>\n')
body = '<layout class="QVBoxLayout" name="layoutMain">\n' + item(top) + item(panel) + item(closeb) + '</layout>\n'
def nodefault(x):
    # Enter in a field finishes the field; it presses no button.
    x = x.replace('<property name="default"><bool>true</bool></property>','<property name="autoDefault"><bool>false</bool></property>')
    return x.replace('<string>&amp;Cancel</string></property>','<string>&amp;Cancel</string></property><property name="autoDefault"><bool>false</bool></property>')
open(os.path.join(ROOT, 'src/edit/TfBInfoEdit.ui'),'w').write(nodefault(form('TfBInfoEdit','fBInfoEdit','Channel Edit',body,300,330)))

# Batch Channel Edit
fields = ('<layout class="QGridLayout" name="layoutFields">\n' +
          item(label('Label1','Incept RX Frequency(MHz)'),0,0) + item(lineedit('eReceive','0.00000'),0,1) +
          item(label('Label2','Incept TX Frequency(MHz)'),1,0) + item(lineedit('eSend','0.00000'),1,1) +
          item(label('Label3','Frequency Step(KHz)'),2,0) + item(combo('cbStep',["25.0","12.5","6.25","5.00"],-2),2,1) +
          item(label('Label4','QT/DQT Decode'),3,0) + item(editcombo('cbQT',-3),3,1) +
          item(label('Label5','QT/DQT Encode'),4,0) + item(editcombo('cbDQT',-3),4,1) +
          item(label('Label6','Wide/Narrow'),5,0) + item(combo('cbkz',["Wide","Narrow"]),5,1) +
          item(label('Label7','TX Power'),6,0) + item(combo('cbfsgl',["Low","High"]),6,1) +
          item(check('chsmtj','Scan Add'),7,0) + item(yesno('cbsmtj'),7,1) +
          item(check('chpppy','Beat Shift'),8,0) + item(yesno('cbpppy'),8,1) +
          item(check('chfm','Busy Lockout'),9,0) + item(yesno('cbfm'),9,1) +
          '</layout>\n')
rng = ('<widget class="QGroupBox" name="GroupBox1"><property name="title"><string>Range</string></property>\n'
       '<layout class="QGridLayout" name="layoutRange">\n' +
       item(radio('rall','&All Channel',True),0,0) + item(radio('rOne','&Channel'),1,0) +
       item('<widget class="QWidget" name="pPd"><property name="enabled"><bool>false</bool></property>\n'
            '<layout class="QHBoxLayout" name="layoutPd"><property name="leftMargin"><number>0</number></property>\n' +
            item(label('Label8','&From')) + item(spin('seFrom',1,16,1)) + item(label('Label9','&To')) + item(spin('seTo',1,16,1)) +
            '</layout>\n</widget>\n',1,1) + '</layout>\n</widget>\n')
order = ('<widget class="QGroupBox" name="GroupBox2"><property name="title"><string>Order</string></property>\n'
         '<layout class="QHBoxLayout" name="layoutOrder">\n' + item(radio('rasc','ASC',True)) + item(radio('rdesc','DESC')) +
         '</layout>\n</widget>\n')
body = ('<layout class="QVBoxLayout" name="layoutMain">\n' + item(fields) + item(rng) + item(order) + item(buttons()) + '</layout>\n')
open(os.path.join(ROOT, 'src/edit/TfBBatchEdit.ui'),'w').write(nodefault(form('TfBBatchEdit','fBBatchEdit','Batch Channel Edit',body,360,470)))

# Language dialog
body = ('<layout class="QVBoxLayout" name="layoutMain">\n<item>\n<layout class="QHBoxLayout" name="layoutLanguage">\n' +
        item(label('lbName','Language Mode: ')) +
        item('<widget class="QComboBox" name="cbLanguage"><property name="tag" stdset="0"><number>-2</number></property><property name="sizePolicy"><sizepolicy hsizetype="Expanding" vsizetype="Fixed"><horstretch>1</horstretch><verstretch>0</verstretch></sizepolicy></property></widget>\n') +
        '</layout>\n</item>\n' +
        item('<widget class="QListWidget" name="Language"><property name="tag" stdset="0"><number>-2</number></property><property name="visible"><bool>false</bool></property></widget>\n') +
        item(buttons()) + '</layout>\n')
open(os.path.join(ROOT, 'src/lang/TfSetLanguage.ui'),'w').write(form('TfSetLanguage','fSetLanguage','Language File Setup',body,297,104))
