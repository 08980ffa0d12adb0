// Identifiers of the control program's resources, shared by the resource
// scripts and the C++ code. Controls keep the names of the form resource,
// prefixed with IDC_; a hint (tooltip) is the string whose id is the
// control's id.
#pragma once

// Icons. The first is the program's own icon, shown while the patch runs.
#define IDI_FormMain 1
#define IDI_ImageClock 2
#define IDI_ImageNo 3

// Dialog templates: the main form and one child dialog per tab sheet.
#define IDD_FormMain 100
#define IDD_TabSheet1 201
#define IDD_TabSheet2 202
#define IDD_TabSheet3 203
#define IDD_TabSheet4 204
#define IDD_TabSheet5 205
#define IDD_TabSheet6 206
#define IDD_TabSheet7 207
#define IDD_TabSheet8 208
#define IDD_TabSheet9 209
#define IDD_TabSheet10 210
#define IDD_TabSheet11 211
#define IDD_TabSheet12 212
#define IDD_TabSheet13 213
#define IDD_TabSheet14 214
#define IDD_TabSheet15 215
#define IDD_TabSheet16 216
#define IDD_TabSheet17 217
#define IDD_TabSheet18 218
#define IDD_TabSheet19 219
#define IDD_TabSheet20 220
#define IDD_TabSheet21 221
#define IDD_TabSheet22 222
#define IDD_TabSheet23 223

// The picture preview beside the standard open dialog's controls.
#define IDD_PicturePreview 230
#define IDC_PreviewImage 1990
#define IDC_PreviewSize 1991

// PopupMenu1: the tray menu, also the form's context menu.
#define IDM_PopupMenu1 300
#define IDM_ShowVornal1 301
#define IDM_HideVornal1 302
#define IDM_RedrawDesktop1 303
#define IDM_TaskbarTransparent1 304
#define IDM_DesktopTransparent1 305
#define IDM_PatchEnabled1 306
#define IDM_Exit1 307

// Check boxes holding check flags 1 to 18.
#define IDC_CheckBox1 1001
#define IDC_CheckBox2 1002
#define IDC_CheckBox3 1003
#define IDC_CheckBox4 1004
#define IDC_CheckBox5 1005
#define IDC_CheckBox6 1006
#define IDC_CheckBox7 1007
#define IDC_CheckBox8 1008
#define IDC_CheckBox9 1009
#define IDC_CheckBox10 1010
#define IDC_CheckBox11 1011
#define IDC_CheckBox12 1012
#define IDC_CheckBox13 1013
#define IDC_CheckBox14 1014
#define IDC_CheckBox15 1015
#define IDC_CheckBox16 1016
#define IDC_CheckBox17 1017
#define IDC_CheckBox18 1018
#define IDC_CheckBoxStartup 1051
#define IDC_CheckBoxExplorer 1052
#define IDC_CheckBoxIE 1053

// Spin edits: the edit holds the id; its up-down partner is id + 50.
#define IDC_SpinEdit1 1101
#define IDC_SpinEdit2 1102
#define IDC_SpinEdit3 1103
#define IDC_SpinEdit4 1104
#define IDC_SpinEdit5 1105
#define IDC_SpinEdit6 1106
#define IDC_SpinEdit7 1107
#define IDC_SpinEdit8 1108
#define IDC_SpinEdit9 1109
#define IDC_SpinEdit10 1110
#define IDC_SpinEdit11 1111
#define IDC_SpinEdit12 1112
#define IDC_SpinEdit13 1113
#define IDC_SpinEdit14 1114
#define IDC_SpinEdit15 1115
#define IDC_SpinEdit16 1116
#define IDC_SPIN_PARTNER_OFFSET 50

// Radio pairs for radio flags 1 to 3 (true button first).
#define IDC_RadioButton1 1201
#define IDC_RadioButton2 1202
#define IDC_RadioButton3 1203
#define IDC_RadioButton4 1204
#define IDC_RadioButton5 1205
#define IDC_RadioButton6 1206

// Multi-radio groups: Animation In 1-11, Animation Out 12-22, Start caption.
#define IDC_RadioButtonStyle1 1301
#define IDC_RadioButtonStyle2 1302
#define IDC_RadioButtonStyle3 1303
#define IDC_RadioButtonStyle4 1304
#define IDC_RadioButtonStyle5 1305
#define IDC_RadioButtonStyle6 1306
#define IDC_RadioButtonStyle7 1307
#define IDC_RadioButtonStyle8 1308
#define IDC_RadioButtonStyle9 1309
#define IDC_RadioButtonStyle10 1310
#define IDC_RadioButtonStyle11 1311
#define IDC_RadioButtonStyle12 1312
#define IDC_RadioButtonStyle13 1313
#define IDC_RadioButtonStyle14 1314
#define IDC_RadioButtonStyle15 1315
#define IDC_RadioButtonStyle16 1316
#define IDC_RadioButtonStyle17 1317
#define IDC_RadioButtonStyle18 1318
#define IDC_RadioButtonStyle19 1319
#define IDC_RadioButtonStyle20 1320
#define IDC_RadioButtonStyle21 1321
#define IDC_RadioButtonStyle22 1322
#define IDC_RadioButtonStart1 1341
#define IDC_RadioButtonStart2 1342
#define IDC_RadioButtonStart3 1343
#define IDC_RadioButtonStart4 1344

// Colour swatches for colour values 1 to 3.
#define IDC_Shape1 1401
#define IDC_Shape2 1402
#define IDC_Shape3 1403

#define IDC_Label1 1501
#define IDC_Label2 1502
#define IDC_Label3 1503
#define IDC_Label4 1504
#define IDC_Label5 1505
#define IDC_Label6 1506
#define IDC_Label7 1507
#define IDC_Label8 1508
#define IDC_Label9 1509
#define IDC_Label10 1510
#define IDC_Label11 1511
#define IDC_Label12 1512
#define IDC_Label13 1513
#define IDC_Label14 1514
#define IDC_Label15 1515
#define IDC_Label16 1516
#define IDC_Label17 1517
#define IDC_Label18 1518
#define IDC_Label19 1519
#define IDC_Label20 1520
#define IDC_Label21 1521
#define IDC_Label22 1522
#define IDC_Label23 1523
#define IDC_Label24 1524
#define IDC_Label25 1525
#define IDC_Label26 1526
#define IDC_Label27 1527
#define IDC_Label28 1528
#define IDC_Label29 1529
#define IDC_Label30 1530
#define IDC_Label31 1531
#define IDC_Label32 1532
#define IDC_Label33 1533
#define IDC_Label34 1534
#define IDC_LabelStatus 1581
#define IDC_LabelVer 1582
// Under the patch state: which programs the patch reaches.
#define IDC_LabelReach 1583
// On Global Animation, shown only while Windows' own animations are off.
#define IDC_LabelAnimationsOff 1584
#define IDC_LabelAppExDefault 1585
#define IDC_LabelStartCaptionOff 1586
// On the taskbar, desktop icon text and Start caption sheets, shown while
// the option is on but the shell's window for it was not found.
#define IDC_LabelTaskbarMissing 1587
#define IDC_LabelIconViewMissing 1588
#define IDC_LabelStartButtonMissing 1589
// On the three wallpaper pages and System Colours, shown only while the
// system's high contrast is on.
#define IDC_LabelHighContrastWindow 1590
#define IDC_LabelHighContrastMDI 1591
#define IDC_LabelHighContrastLists 1592
#define IDC_LabelHighContrastColours 1593

#define IDC_GroupBox1 1601
#define IDC_GroupBox2 1602
#define IDC_GroupBox3 1603
#define IDC_GroupBox4 1604
#define IDC_GroupBox5 1605
#define IDC_GroupBox6 1606
#define IDC_GroupBox7 1607
#define IDC_GroupBox8 1608
#define IDC_GroupBox9 1609
#define IDC_GroupBox10 1610
#define IDC_GroupBox11 1611
#define IDC_GroupBox12 1612
#define IDC_GroupBox13 1613
#define IDC_GroupBox14 1614
#define IDC_GroupBox15 1615
#define IDC_GroupBox16 1616
#define IDC_GroupBox17 1617
#define IDC_GroupBox18 1618
#define IDC_GroupBox19 1619
#define IDC_GroupBox20 1620
#define IDC_GroupBox21 1621
#define IDC_GroupBox22 1622
#define IDC_GroupBox23 1623

// Page controls (tab controls); their pages are the IDD_TabSheet dialogs.
#define IDC_PageControl1 1701
#define IDC_PageControl2 1702
#define IDC_PageControl4 1704
#define IDC_PageControl5 1705

#define IDC_BitBtnOK 1801
#define IDC_BitBtnCancel 1802
#define IDC_ButtonApply 1803
#define IDC_ButtonUnload 1804
#define IDC_ButtonWallpaper 1805
#define IDC_ButtonMDIWallpaper 1806
#define IDC_ButtonTVWallpaper 1807
#define IDC_ButtonExplorer 1808
#define IDC_ButtonIE 1809
#define IDC_ButtonDeskText 1810
#define IDC_ButtonMDIForms 1811
#define IDC_ButtonDesktop 1812
#define IDC_ButtonAppExSpecify 1813
#define IDC_ButtonAppExAdd 1814
#define IDC_ButtonAppExModify 1815
#define IDC_ButtonAppExRemove 1816
#define IDC_ButtonAppExFolder 1817

#define IDC_EditWindowWallpaper 1901
#define IDC_EditMDIWallpaper 1902
#define IDC_EditTVWallpaper 1903
#define IDC_EditExplorerToolbar 1904
#define IDC_EditIEToolbar 1905
#define IDC_EditStartText 1906
#define IDC_EditAppEx 1907

#define IDC_ListBoxAppEx 1960
#define IDC_TrackBarTransparency 1971
#define IDC_TrackBarDragTrans 1972
#define IDC_PanelStatus 1983
#define IDC_PanelInfo 1984

