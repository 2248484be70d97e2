<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name></name>
    <message id="Localize.kArchivio">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="Localize.kChiudi">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="Localize.kEsci">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="Localize.kCompos">
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message id="Localize.kAnnulla">
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message id="Localize.kTaglia">
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message id="Localize.kCopia">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="Localize.kIncolla">
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message id="Localize.kCancella">
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message id="Localize.kSelTutto">
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message id="Localize.kFinestra">
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message id="Localize.kPriSer">
        <source>First Series</source>
        <translation>Prima serie</translation>
    </message>
    <message id="Localize.kSecSer">
        <source>Second Series</source>
        <translation>Seconda serie</translation>
    </message>
    <message id="Localize.kAiuto">
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message id="Localize.kCorvantaRead">
        <source>Corvanta Read Me!</source>
        <translation>Corvanta Leggimi!</translation>
    </message>
    <message id="Localize.kInfo">
        <source>About Corvanta</source>
        <translation>Informazioni su Corvanta</translation>
    </message>
    <message id="Localize.kLett">
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message id="Localize.kNum">
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message id="Localize.kVerifica">
        <source>Test</source>
        <translation>Verifica</translation>
    </message>
    <message id="Localize.kLaBanc">
        <source>The banknote</source>
        <translation>La banconota</translation>
    </message>
    <message id="Localize.kProvDa">
        <source>comes from</source>
        <translation>Origine:</translation>
    </message>
    <message id="Localize.kStampIn">
        <source>printed in</source>
        <translation>Stampa:</translation>
    </message>
    <message id="Localize.kELaNum">
        <source>and the numbers</source>
        <translation>e i numeri</translation>
    </message>
    <message id="Localize.kValida">
        <source>is Valid</source>
        <translation>sono validi</translation>
    </message>
    <message id="Localize.kNoValida">
        <source>is INVALID</source>
        <translation>NON sono validi</translation>
    </message>
    <message id="Localize.kMal">
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message id="Localize.kCip">
        <source>Cyprus</source>
        <translation>Cipro</translation>
    </message>
    <message id="Localize.kSlo">
        <source>Slovenia</source>
        <translation>Slovenia</translation>
    </message>
    <message id="Localize.kFin">
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message id="Localize.kPor">
        <source>Portugal</source>
        <translation>Portogallo</translation>
    </message>
    <message id="Localize.kAus">
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message id="Localize.kPae">
        <source>Netherlands</source>
        <translation>Paesi Bassi</translation>
    </message>
    <message id="Localize.kLus">
        <source>Luxembourg</source>
        <translation>Lussemburgo</translation>
    </message>
    <message id="Localize.kIta">
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message id="Localize.kIrl">
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message id="Localize.kFra">
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message id="Localize.kSpa">
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message id="Localize.kGer">
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message id="Localize.kGre">
        <source>Greece</source>
        <translation>Grecia</translation>
    </message>
    <message id="Localize.kBel">
        <source>Belgium</source>
        <translation>Belgio</translation>
    </message>
    <message id="Localize.kPol">
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message id="Localize.kRegun">
        <source>United Kingdom</source>
        <translation>Regno Unito</translation>
    </message>
    <message id="Localize.kInfoWin1">
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message id="Localize.Language">
        <source>en</source>
        <translation>it</translation>
    </message>
    <message id="FolderItem.DocumentNotOpened">
        <source>The document "%1" could not be opened.</source>
        <translation>Il documento «%1» non si è potuto aprire.</translation>
    </message>
    <message id="FolderItem.DocumentNotOpenedFolder">
        <source>No application could open it. The document is in this folder:
%1</source>
        <translation>Nessuna applicazione ha potuto aprirlo. Il documento si trova in questa cartella:
%1</translation>
    </message>
</context>
</TS>
