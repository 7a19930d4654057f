<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>tolvane::AboutBox</name>
    <message>
        <source>Made by the Tolvane developers</source>
        <translation>Réalisé par les développeurs de Tolvane</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure (GPL-3.0-or-later), sans aucune garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tolvane::AccessChoiceDialog</name>
    <message>
        <source>Automatic Setup</source>
        <translation>Configuration automatique</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tolvane::AddressConfirmDialog</name>
    <message>
        <source>Automatic Setup</source>
        <translation>Configuration automatique</translation>
    </message>
    <message>
        <source>&lt;p&gt;The camera&apos;s network settings will be based on this computer&apos;s network settings.&lt;/p&gt;&lt;p&gt;Confirm the settings below, change them if needed, and press &quot;O K&quot;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Les paramètres réseau de la caméra seront établis d’après les paramètres réseau de cet ordinateur.&lt;/p&gt;&lt;p&gt;Vérifiez les paramètres ci-dessous, modifiez-les si nécessaire, puis cliquez sur «&#xa0;OK&#xa0;».&lt;/p&gt;</translation>
    </message>
    <message>
        <source>On some computers the settings shown here may not be correct.</source>
        <translation>Sur certains ordinateurs, les paramètres affichés ici peuvent être incorrects.</translation>
    </message>
    <message>
        <source>The following network settings will be assigned to the camera.</source>
        <translation>Les paramètres réseau suivants seront attribués à la caméra.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tolvane::CameraList</name>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
</context>
<context>
    <name>tolvane::ControlDialog</name>
    <message>
        <source>Control</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Automatic Setup (Local Access Only)</source>
        <translation>Configuration automatique (accès local uniquement)</translation>
    </message>
    <message>
        <source>Automatic Setup (Internet Access)</source>
        <translation>Configuration automatique (accès Internet)</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Configuration manuelle</translation>
    </message>
    <message>
        <source>Open the camera&apos;s web page</source>
        <translation>Ouvrir la page web de la caméra</translation>
    </message>
    <message>
        <source>Reset IPsec</source>
        <translation>Réinitialiser IPsec</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tolvane::MainDialog</name>
    <message>
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message>
        <source>No camera is listed yet. Please check the following:
- The camera is powered on and connected to this computer&apos;s network.
- Firewalls on this computer are switched off during the installation.
If the camera is still not listed, type the MAC address printed near its LAN port and press &quot;Set up camera&quot;.
This program cannot set up a camera more than 20 minutes after its restart.</source>
        <translation>Aucune caméra n’est encore listée. Vérifiez les points suivants&#xa0;:
- La caméra est sous tension et connectée au réseau de cet ordinateur.
- Les pare-feu de cet ordinateur sont désactivés pendant l’installation.
Si la caméra n’apparaît toujours pas, saisissez l’adresse MAC imprimée près de son port LAN et cliquez sur «&#xa0;Configurer la caméra&#xa0;».
Ce programme ne peut pas configurer une caméra plus de 20&#xa0;minutes après son redémarrage.</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Set up camera</source>
        <translation>Configurer la caméra</translation>
    </message>
    <message>
        <source>Choose the camera by its MAC address, then press &quot;Execute&quot;.
This program cannot set up a camera more than 20 minutes after its restart; restart the camera first.
Install several cameras one at a time.
If a camera&apos;s IP address overlaps another&apos;s, switch that camera off and on again so that it gets a different address.</source>
        <translation>Choisissez la caméra d’après son adresse MAC, puis cliquez sur «&#xa0;Exécuter&#xa0;».
Ce programme ne peut pas configurer une caméra plus de 20&#xa0;minutes après son redémarrage&#xa0;; redémarrez d’abord la caméra.
Installez les caméras une par une.
Si l’adresse IP d’une caméra est en conflit avec celle d’un autre appareil, éteignez puis rallumez cette caméra pour qu’elle obtienne une autre adresse.</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Searching for cameras on: %1</source>
        <translation>Recherche des caméras sur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tolvane::ManualSetupDialog</name>
    <message>
        <source>Manual Setup</source>
        <translation>Configuration manuelle</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>To reach the camera from the Internet, set up port forwarding on your router: forward the camera&apos;s port number to the camera&apos;s IP address.
Routers also call this function virtual server, port mapping, address translation or NAT settings.</source>
        <translation>Pour accéder à la caméra depuis Internet, configurez une redirection de port sur votre routeur&#xa0;: redirigez le numéro de port de la caméra vers son adresse IP.
Selon les routeurs, cette fonction s’appelle aussi serveur virtuel, mappage de ports, traduction d’adresses ou paramètres NAT.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Nom de la caméra</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>Nom d’hôte</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Passerelle par défaut</translation>
    </message>
    <message>
        <source>DNS Server1</source>
        <translation>Serveur DNS&#xa0;1</translation>
    </message>
    <message>
        <source>DNS Server2</source>
        <translation>Serveur DNS&#xa0;2</translation>
    </message>
    <message>
        <source>Band Width</source>
        <translation>Bande passante</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Veuillez saisir un numéro de port compris entre 1 et 65535.</translation>
    </message>
</context>
<context>
    <name>tolvane::MessageDialog</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tolvane::ProgressDialog</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tolvane::ResetIpsecDialog</name>
    <message>
        <source>Reset IPsec</source>
        <translation>Réinitialiser IPsec</translation>
    </message>
    <message>
        <source>Do you want to reset IPsec?
IPsec will be switched off in this camera, and the camera will restart.</source>
        <translation>Voulez-vous réinitialiser IPsec&#xa0;?
IPsec sera désactivé sur cette caméra, puis la caméra redémarrera.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
