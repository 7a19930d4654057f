<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name></name>
    <message id="tolvane-101">
        <source>About this program</source>
        <translation>À propos de ce programme</translation>
    </message>
    <message id="tolvane-103">
        <source>Failed to initialize Windows Socket</source>
        <translation>Impossible d’initialiser Windows Sockets</translation>
    </message>
    <message id="tolvane-104">
        <source>MAC Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message id="tolvane-105">
        <source>IPv4 Address</source>
        <translation>Adresse IPv4</translation>
    </message>
    <message id="tolvane-106">
        <source>Port No.</source>
        <translation>N° de port</translation>
    </message>
    <message id="tolvane-107">
        <source>Camera Status</source>
        <translation>État de la caméra</translation>
    </message>
    <message id="tolvane-108">
        <source><byte value="xd"/>
<byte value="xd"/>
Manual Network Configuration (for the camera in factory default settings)<byte value="xd"/>
The itemes below will not be configured by Manual etup<byte value="xd"/>
<byte value="xd"/>
Administrator authentication<byte value="xd"/>
Power Line Frequency<byte value="xd"/>
UPnP configuration<byte value="xd"/>
DynamicDNS configuration</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Configuration réseau manuelle (pour une caméra aux réglages d’usine)<byte value="xd"/>
Les éléments suivants ne sont pas configurés par la configuration manuelle<byte value="xd"/>
<byte value="xd"/>
Authentification de l’administrateur<byte value="xd"/>
Fréquence du secteur<byte value="xd"/>
Configuration UPnP<byte value="xd"/>
Configuration du DNS dynamique</translation>
    </message>
    <message id="tolvane-109">
        <source><byte value="xd"/>
Access from the Internet</source>
        <translation><byte value="xd"/>
Accès depuis Internet</translation>
    </message>
    <message id="tolvane-110">
        <source>IPv6 Address</source>
        <translation>Adresse IPv6</translation>
    </message>
    <message id="tolvane-111">
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message id="tolvane-112">
        <source>Tolvane</source>
        <translation>Tolvane</translation>
    </message>
    <message id="tolvane-113">
        <source>Basic Setup</source>
        <translation>Configuration de base</translation>
    </message>
    <message id="tolvane-114">
        <source>DDNS registration</source>
        <translation>Enregistrement DDNS</translation>
    </message>
    <message id="tolvane-115">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-116">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-117">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-118">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-119">
        <source><byte value="xd"/>
Tolvane Wizard in progress</source>
        <translation><byte value="xd"/>
Assistant Tolvane en cours d’exécution</translation>
    </message>
    <message id="tolvane-120">
        <source><byte value="xd"/>
Start camera&apos;s network configuration based on this computer&apos;s network settings</source>
        <translation><byte value="xd"/>
Démarrage de la configuration réseau de la caméra d’après les paramètres réseau de cet ordinateur</translation>
    </message>
    <message id="tolvane-121">
        <source>Failed to get network settings from DHCP server<byte value="xd"/>
Click &quot;YES&quot; to proceed network configuration based on this computer&apos;s network settings<byte value="xd"/>
Click &quot;NO&quot; to continue Tolvane<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
* It may not be able to complete network configuration based on the computer&apos;s netwrok settings depending on your computer model or other factors. In that case, you need to cofigure network settings manually.</source>
        <translation>Impossible d’obtenir les paramètres réseau auprès du serveur DHCP<byte value="xd"/>
Cliquez sur «&#xa0;Oui&#xa0;» pour poursuivre la configuration réseau d’après les paramètres réseau de cet ordinateur<byte value="xd"/>
Cliquez sur «&#xa0;Non&#xa0;» pour continuer à utiliser Tolvane<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
* Selon le modèle de votre ordinateur ou d’autres facteurs, la configuration réseau d’après les paramètres réseau de l’ordinateur peut ne pas aboutir. Dans ce cas, vous devez configurer les paramètres réseau manuellement.</translation>
    </message>
    <message id="tolvane-122">
        <source><byte value="xd"/>
IP addresses overlapped</source>
        <translation><byte value="xd"/>
Conflit d’adresses IP</translation>
    </message>
    <message id="tolvane-123">
        <source><byte value="xd"/>
Failed to set up camera (Time out)</source>
        <translation><byte value="xd"/>
Échec de la configuration de la caméra (délai dépassé)</translation>
    </message>
    <message id="tolvane-124">
        <source><byte value="xd"/>
Camera setup in progress</source>
        <translation><byte value="xd"/>
Configuration de la caméra en cours</translation>
    </message>
    <message id="tolvane-125">
        <source><byte value="xd"/>
Failed to set up camera</source>
        <translation><byte value="xd"/>
Échec de la configuration de la caméra</translation>
    </message>
    <message id="tolvane-126">
        <source><byte value="xd"/>
Restarting camera</source>
        <translation><byte value="xd"/>
Redémarrage de la caméra</translation>
    </message>
    <message id="tolvane-127">
        <source><byte value="xd"/>
Camera setup completed</source>
        <translation><byte value="xd"/>
Configuration de la caméra terminée</translation>
    </message>
    <message id="tolvane-128">
        <source><byte value="xd"/>
Camera is preparing for Easy Installation.<byte value="xd"/>
Please wait for a while.</source>
        <translation><byte value="xd"/>
La caméra se prépare à l’installation simplifiée.<byte value="xd"/>
Veuillez patienter.</translation>
    </message>
    <message id="tolvane-129">
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
    <message id="tolvane-130">
        <source>10Mbps</source>
        <translation>10&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-131">
        <source>5Mbps</source>
        <translation>5&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-132">
        <source>3Mbps</source>
        <translation>3&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-133">
        <source>2Mbps</source>
        <translation>2&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-134">
        <source>1Mbps</source>
        <translation>1&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-135">
        <source>0.5Mbps</source>
        <translation>0,5&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-136">
        <source>0.3Mbps</source>
        <translation>0,3&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-137">
        <source>0.2Mbps</source>
        <translation>0,2&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-138">
        <source>0.1Mbps</source>
        <translation>0,1&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-139">
        <source>0.07Mbps</source>
        <translation>0,07&#xa0;Mbit/s</translation>
    </message>
    <message id="tolvane-140">
        <source>Off-line</source>
        <translation>Hors ligne</translation>
    </message>
    <message id="tolvane-141">
        <source>Error - DDNS registration</source>
        <translation>Erreur&#xa0;: enregistrement DDNS</translation>
    </message>
    <message id="tolvane-142">
        <source>Error - Access test</source>
        <translation>Erreur&#xa0;: test d’accès</translation>
    </message>
    <message id="tolvane-143">
        <source>Error - Port number refreshing</source>
        <translation>Erreur&#xa0;: actualisation du numéro de port</translation>
    </message>
    <message id="tolvane-144">
        <source>Error - UPnP configuration</source>
        <translation>Erreur&#xa0;: configuration UPnP</translation>
    </message>
    <message id="tolvane-145">
        <source>Error - Netework configuration</source>
        <translation>Erreur&#xa0;: configuration réseau</translation>
    </message>
    <message id="tolvane-146">
        <source>Firmware version up in progress</source>
        <translation>Mise à jour du micrologiciel en cours</translation>
    </message>
    <message id="tolvane-147">
        <source>Network configuration in progress</source>
        <translation>Configuration réseau en cours</translation>
    </message>
    <message id="tolvane-148">
        <source>UPnP configuration in progress</source>
        <translation>Configuration UPnP en cours</translation>
    </message>
    <message id="tolvane-149">
        <source>Internet connection test in progress</source>
        <translation>Test de la connexion Internet en cours</translation>
    </message>
    <message id="tolvane-150">
        <source>DDNS registration in progress</source>
        <translation>Enregistrement DDNS en cours</translation>
    </message>
    <message id="tolvane-151">
        <source>Internet setup completed</source>
        <translation>Configuration Internet terminée</translation>
    </message>
    <message id="tolvane-152">
        <source>Local setup completed</source>
        <translation>Configuration locale terminée</translation>
    </message>
    <message id="tolvane-153">
        <source>Error - Router connection</source>
        <translation>Erreur&#xa0;: connexion au routeur</translation>
    </message>
    <message id="tolvane-154">
        <source>Changing configuration by user</source>
        <translation>Modification par l’utilisateur en cours</translation>
    </message>
    <message id="tolvane-155">
        <source>Enable to access from the Internet</source>
        <translation>Accès depuis Internet autorisé</translation>
    </message>
    <message id="tolvane-156">
        <source>Disable to access from the Internet</source>
        <translation>Accès depuis Internet interdit</translation>
    </message>
    <message id="tolvane-157">
        <source>Static IP address</source>
        <translation>Adresse IP statique</translation>
    </message>
    <message id="tolvane-158">
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message id="tolvane-159">
        <source>Error - Port number refreshing</source>
        <translation>Erreur&#xa0;: actualisation du numéro de port</translation>
    </message>
    <message id="tolvane-160">
        <source>Do you wish to re-setup the camera?</source>
        <translation>Voulez-vous reconfigurer la caméra&#xa0;?</translation>
    </message>
    <message id="tolvane-161">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-162">
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message id="tolvane-163">
        <source>Camera No.</source>
        <translation>N° de caméra</translation>
    </message>
    <message id="tolvane-164">
        <source>Do you wish to change to Automatic Setup mode?</source>
        <translation>Voulez-vous passer en mode de configuration automatique&#xa0;?</translation>
    </message>
    <message id="tolvane-165">
        <source>Network configuration in progress.<byte value="xd"/>
Please wait for a while.</source>
        <translation>Configuration réseau en cours.<byte value="xd"/>
Veuillez patienter.</translation>
    </message>
    <message id="tolvane-166">
        <source>IP address is not assigned to this computer.<byte value="xd"/>
Please configure the network settings for this computer and restart this program again.</source>
        <translation>Aucune adresse IP n’est attribuée à cet ordinateur.<byte value="xd"/>
Configurez les paramètres réseau de cet ordinateur, puis relancez ce programme.</translation>
    </message>
    <message id="tolvane-167">
        <source>Please select a desired Network Camera</source>
        <translation>Veuillez sélectionner une caméra réseau</translation>
    </message>
    <message id="tolvane-168">
        <source>This camera is off-line.</source>
        <translation>Cette caméra est hors ligne.</translation>
    </message>
    <message id="tolvane-169">
        <source>This program cannot set up the Network Camera over 20 minutes after restart.</source>
        <translation>Ce programme ne peut pas configurer la caméra réseau plus de 20 minutes après son redémarrage.</translation>
    </message>
    <message id="tolvane-170">
        <source>Invalid value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message id="tolvane-171">
        <source><byte value="xd"/>
If you wish to allow Internet access to the camera,<byte value="xd"/>
click the &quot;Next&quot; button for advanced setup.</source>
        <translation><byte value="xd"/>
Si vous souhaitez autoriser l’accès à la caméra depuis Internet,<byte value="xd"/>
cliquez sur le bouton «&#xa0;Suivant&#xa0;» pour la configuration avancée.</translation>
    </message>
    <message id="tolvane-172">
        <source>Setup completed.<byte value="xd"/>
Use the address below to access the camera.<byte value="xd"/>
  Local Network Access : </source>
        <translation>Configuration terminée.<byte value="xd"/>
Utilisez l’adresse ci-dessous pour accéder à la caméra.<byte value="xd"/>
  Accès depuis le réseau local&#xa0;: </translation>
    </message>
    <message id="tolvane-173">
        <source>This camera is in DHCP or Static Connection mode. 
If you wish to change to Automatic Setup mode, 
click &quot;Automatic Setup(Local Access Only)&quot; in the next window.</source>
        <translation>Cette caméra est en mode de connexion DHCP ou statique. 
Pour passer en mode de configuration automatique, 
cliquez sur «&#xa0;Configuration automatique (accès local uniquement)&#xa0;» dans la fenêtre suivante.</translation>
    </message>
    <message id="tolvane-174">
        <source>Now setting camera for IPsec off.</source>
        <translation>Désactivation d’IPsec sur la caméra en cours.</translation>
    </message>
    <message id="tolvane-175">
        <source>IPsec is already off.</source>
        <translation>IPsec est déjà désactivé.</translation>
    </message>
    <message id="tolvane-176">
        <source>Illegal Mac address.</source>
        <translation>Adresse MAC non valide.</translation>
    </message>
    <message id="tolvane-177">
        <source><byte value="xd"/>
Start camera&apos;s network configuration based on this computer&apos;s network settings. It may take up to 1 minute.</source>
        <translation><byte value="xd"/>
Démarrage de la configuration réseau de la caméra d’après les paramètres réseau de cet ordinateur. Cette opération peut prendre jusqu’à 1&#xa0;minute.</translation>
    </message>
    <message id="tolvane-178">
        <source>ENGLISH</source>
        <translation>FRENCH</translation>
    </message>
    <message id="tolvane-179">
        <source><byte value="xd"/>
Preparing network configuration based on this computer&apos;s network settings.</source>
        <translation><byte value="xd"/>
Préparation de la configuration réseau d’après les paramètres réseau de cet ordinateur.</translation>
    </message>
    <message id="tolvane-180">
        <source>IPv4 Information</source>
        <translation>Informations IPv4</translation>
    </message>
    <message id="tolvane-181">
        <source>IPv6 Information</source>
        <translation>Informations IPv6</translation>
    </message>
    <message id="tolvane-182">
        <source>Non regist for IPv6</source>
        <translation>Non enregistrée pour IPv6</translation>
    </message>
    <message id="tolvane-183">
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message id="tolvane-184">
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message id="tolvane-185">
        <source>Internet access</source>
        <translation>Accès Internet</translation>
    </message>
    <message id="tolvane-186">
        <source>Local access</source>
        <translation>Accès local</translation>
    </message>
    <message id="tolvane-187">
        <source>First, select &quot;Automatic Setup (Local Access Only)&quot;.</source>
        <translation>Sélectionnez d’abord «&#xa0;Configuration automatique (accès local uniquement)&#xa0;».</translation>
    </message>
    <message id="tolvane-188">
        <source>More cameras answered than can be listed; not shown: %1. Set up the listed cameras, disconnect them, and start this program again to list the others.</source>
        <translation>Plus de caméras ont répondu que la liste ne peut en afficher&#xa0;; non affichées&#xa0;: %1. Configurez les caméras de la liste, débranchez-les, puis redémarrez ce programme pour afficher les autres.</translation>
    </message>
    <message id="tolvane-189">
        <source>Checking %1 …</source>
        <translation>Vérification de %1 …</translation>
    </message>
    <message id="tolvane-190">
        <source>No camera answered: no network interface of this PC is connected. Check the network cable and that the network adapter is switched on.</source>
        <translation>Aucune caméra n’a répondu&#xa0;: aucune interface réseau de cet ordinateur n’est connectée. Vérifiez le câble réseau et que la carte réseau est activée.</translation>
    </message>
    <message id="tolvane-191">
        <source>No camera answered: network interface %1 is connected but has no IPv4 address. Give it an address in the cameras&apos; network, or connect a DHCP server.</source>
        <translation>Aucune caméra n’a répondu&#xa0;: l’interface réseau %1 est connectée mais n’a pas d’adresse IPv4. Donnez-lui une adresse du réseau des caméras, ou connectez un serveur DHCP.</translation>
    </message>
    <message id="tolvane-192">
        <source>No camera answered: network interface %1 has only the automatic address %2 because no DHCP server answered. Give it an address in the cameras&apos; network.</source>
        <translation>Aucune caméra n’a répondu&#xa0;: l’interface réseau %1 n’a que l’adresse automatique %2, car aucun serveur DHCP n’a répondu. Donnez-lui une adresse du réseau des caméras.</translation>
    </message>
    <message id="tolvane-193">
        <source>No camera answered, and the firewalld firewall runs on this PC: it drops the cameras&apos; replies unless they are allowed. Allow them with &quot;%1&quot;, and for good with &quot;%2&quot;.</source>
        <translation>Aucune caméra n’a répondu, et le pare-feu firewalld est actif sur cet ordinateur&#xa0;: il bloque les réponses des caméras tant qu’elles ne sont pas autorisées. Autorisez-les avec «&#xa0;%1&#xa0;», et de façon permanente avec «&#xa0;%2&#xa0;».</translation>
    </message>
    <message id="tolvane-194">
        <source>No camera answered, and the ufw firewall is enabled on this PC: it may drop the cameras&apos; replies. Allow them with &quot;%1&quot;.</source>
        <translation>Aucune caméra n’a répondu, et le pare-feu ufw est activé sur cet ordinateur&#xa0;: il peut bloquer les réponses des caméras. Autorisez-les avec «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="tolvane-195">
        <source>No camera answered. Check that the cameras are powered and on this PC&apos;s network segment (routers do not forward the search); a firewall must allow UDP port 10669 from the LAN.</source>
        <translation>Aucune caméra n’a répondu. Vérifiez que les caméras sont sous tension et sur le même segment réseau que cet ordinateur (les routeurs ne transmettent pas la recherche)&#xa0;; un pare-feu doit autoriser le trafic UDP entrant du réseau local vers le port 10669.</translation>
    </message>
    <message id="tolvane-301">
        <source>line %1, column %2 (%3)</source>
        <translation>ligne %1, colonne %2 (%3)</translation>
    </message>
    <message id="tolvane-302">
        <source>&apos;%1&apos; is not a MAC address; write 02:00:5E:10:00:01, 02-00-5E-10-00-01 or 12 hexadecimal digits.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse MAC&#xa0;; écrivez 02:00:5E:10:00:01, 02-00-5E-10-00-01 ou 12 chiffres hexadécimaux.</translation>
    </message>
    <message id="tolvane-303">
        <source>&apos;%1&apos; is not an IPv4 address (A.B.C.D).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse IPv4 (A.B.C.D).</translation>
    </message>
    <message id="tolvane-304">
        <source>&apos;%1&apos; is not an address with a prefix length (A.B.C.D/PREFIX, PREFIX from 0 to 32).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse avec une longueur de préfixe (A.B.C.D/PRÉFIXE, PRÉFIXE de 0 à 32).</translation>
    </message>
    <message id="tolvane-305">
        <source>&apos;%1&apos; is not a port number from 1 to 65535.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un numéro de port de 1 à 65535.</translation>
    </message>
    <message id="tolvane-306">
        <source>&apos;%1&apos; is not one of the bandwidth choices: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ne fait pas partie des choix de bande passante&#xa0;: %2.</translation>
    </message>
    <message id="tolvane-307">
        <source>&apos;%1&apos; is not a mode: write static, dhcp or leave the cell blank.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un mode&#xa0;: écrivez static, dhcp ou laissez la cellule vide.</translation>
    </message>
    <message id="tolvane-308">
        <source>&apos;%1&apos; is not one or two IPv4 addresses separated by a comma.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une ou deux adresses IPv4 séparées par une virgule.</translation>
    </message>
    <message id="tolvane-309">
        <source>%1 cannot be used with %2.</source>
        <translation>%1 ne peut pas être utilisé avec %2.</translation>
    </message>
    <message id="tolvane-310">
        <source>%1 needs %2.</source>
        <translation>%1 nécessite %2.</translation>
    </message>
    <message id="tolvane-311">
        <source>&apos;%1&apos; does not pass the check of the manual set-up.</source>
        <translation>«&#xa0;%1&#xa0;» est refusé par le contrôle de la configuration manuelle.</translation>
    </message>
    <message id="tolvane-312">
        <source>this camera does not take a name.</source>
        <translation>cette caméra n’accepte pas de nom.</translation>
    </message>
    <message id="tolvane-313">
        <source>&apos;%1&apos; is not a column; the columns are %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une colonne&#xa0;; les colonnes sont %2.</translation>
    </message>
    <message id="tolvane-314">
        <source>the header has no &apos;%1&apos; column.</source>
        <translation>l’en-tête n’a pas de colonne «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="tolvane-315">
        <source>the column &apos;%1&apos; is named twice.</source>
        <translation>la colonne «&#xa0;%1&#xa0;» est nommée deux fois.</translation>
    </message>
    <message id="tolvane-316">
        <source>%1 cells where the header names %2.</source>
        <translation>cellules sur cette ligne&#xa0;: %1&#xa0;; colonnes de l’en-tête&#xa0;: %2.</translation>
    </message>
    <message id="tolvane-317">
        <source>a quoted cell is not closed.</source>
        <translation>une cellule entre guillemets n’est pas fermée.</translation>
    </message>
    <message id="tolvane-318">
        <source>the camera %1 is also on line %2.</source>
        <translation>la caméra %1 figure aussi à la ligne %2.</translation>
    </message>
    <message id="tolvane-319">
        <source>the address %1 is also on line %2.</source>
        <translation>l’adresse %1 figure aussi à la ligne %2.</translation>
    </message>
    <message id="tolvane-320">
        <source>the address %1 is outside this computer&apos;s subnet %2.</source>
        <translation>l’adresse %1 est hors du sous-réseau %2 de cet ordinateur.</translation>
    </message>
    <message id="tolvane-321">
        <source>cannot read the file %1: %2</source>
        <translation>impossible de lire le fichier %1&#xa0;: %2</translation>
    </message>
    <message id="tolvane-322">
        <source>the file names no camera.</source>
        <translation>le fichier ne nomme aucune caméra.</translation>
    </message>
    <message id="tolvane-323">
        <source>another Tolvane is running on this computer and holds the camera port; close it and try again.</source>
        <translation>un autre Tolvane est en cours d’exécution sur cet ordinateur et occupe le port des caméras&#xa0;; fermez-le et réessayez.</translation>
    </message>
    <message id="tolvane-324">
        <source>searching for the camera</source>
        <translation>recherche de la caméra</translation>
    </message>
    <message id="tolvane-325">
        <source>found at %1, port %2</source>
        <translation>trouvée à l’adresse %1, port %2</translation>
    </message>
    <message id="tolvane-326">
        <source>the camera did not answer within %1 s.</source>
        <translation>la caméra n’a pas répondu dans les %1&#xa0;s.</translation>
    </message>
    <message id="tolvane-327">
        <source>the settings pass the checks of the manual set-up</source>
        <translation>les paramètres satisfont aux contrôles de la configuration manuelle</translation>
    </message>
    <message id="tolvane-328">
        <source>checking that no other device answers at %1</source>
        <translation>vérification qu’aucun autre appareil ne répond à l’adresse %1</translation>
    </message>
    <message id="tolvane-329">
        <source>%1 is free</source>
        <translation>%1 est libre</translation>
    </message>
    <message id="tolvane-330">
        <source>another device answers at %1; nothing was sent.</source>
        <translation>un autre appareil répond à l’adresse %1&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message id="tolvane-331">
        <source>sending the set-up</source>
        <translation>envoi de la configuration</translation>
    </message>
    <message id="tolvane-332">
        <source>acknowledged; restarting the camera</source>
        <translation>accusé de réception reçu&#xa0;; redémarrage de la caméra</translation>
    </message>
    <message id="tolvane-333">
        <source>waiting for the camera to come back</source>
        <translation>attente du retour de la caméra</translation>
    </message>
    <message id="tolvane-334">
        <source>the camera is back at %1, port %2</source>
        <translation>la caméra est de retour à l’adresse %1, port %2</translation>
    </message>
    <message id="tolvane-335">
        <source>verified: the camera reports the new settings</source>
        <translation>vérifié&#xa0;: la caméra indique les nouveaux paramètres</translation>
    </message>
    <message id="tolvane-336">
        <source>the camera came back without the new settings: %1</source>
        <translation>la caméra est revenue sans les nouveaux paramètres&#xa0;: %1</translation>
    </message>
    <message id="tolvane-337">
        <source>the camera did not acknowledge the set-up; no restart was sent.</source>
        <translation>la caméra n’a pas accusé réception de la configuration&#xa0;; aucun redémarrage n’a été envoyé.</translation>
    </message>
    <message id="tolvane-338">
        <source>the camera did not come back in time.</source>
        <translation>la caméra n’est pas revenue à temps.</translation>
    </message>
    <message id="tolvane-339">
        <source>dry run: every check passed, nothing sent</source>
        <translation>essai à blanc&#xa0;: tous les contrôles ont réussi, rien n’a été envoyé</translation>
    </message>
    <message id="tolvane-340">
        <source>sending the set-up by MAC address</source>
        <translation>envoi de la configuration par adresse MAC</translation>
    </message>
    <message id="tolvane-341">
        <source>waiting for the camera to answer at %1</source>
        <translation>attente d’une réponse de la caméra à l’adresse %1</translation>
    </message>
    <message id="tolvane-342">
        <source>the camera did not answer at %1 in time.</source>
        <translation>la caméra n’a pas répondu à temps à l’adresse %1.</translation>
    </message>
    <message id="tolvane-343">
        <source>not run: an earlier camera failed (--stop-on-error).</source>
        <translation>non exécuté&#xa0;: une caméra précédente a échoué (--stop-on-error).</translation>
    </message>
    <message id="tolvane-344">
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message id="tolvane-345">
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message id="tolvane-346">
        <source>verified</source>
        <translation>vérifié</translation>
    </message>
    <message id="tolvane-347">
        <source>checked</source>
        <translation>contrôlé</translation>
    </message>
    <message id="tolvane-348">
        <source>invalid input</source>
        <translation>saisie non valide</translation>
    </message>
    <message id="tolvane-349">
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message id="tolvane-350">
        <source>address in use</source>
        <translation>adresse occupée</translation>
    </message>
    <message id="tolvane-351">
        <source>no acknowledgement</source>
        <translation>pas d’accusé de réception</translation>
    </message>
    <message id="tolvane-352">
        <source>timed out</source>
        <translation>délai dépassé</translation>
    </message>
    <message id="tolvane-353">
        <source>not verified</source>
        <translation>non vérifié</translation>
    </message>
    <message id="tolvane-354">
        <source>not run</source>
        <translation>non exécuté</translation>
    </message>
    <message id="tolvane-355">
        <source>%1 of %2 cameras succeeded.</source>
        <translation>Caméras traitées sans erreur&#xa0;: %1 sur %2.</translation>
    </message>
    <message id="tolvane-356">
        <source>the camera came back with IPsec still on.</source>
        <translation>la caméra est revenue avec IPsec toujours activé.</translation>
    </message>
    <message id="tolvane-520">
        <source>cannot create the single-instance lock %1.</source>
        <translation>impossible de créer le verrou d’instance unique %1.</translation>
    </message>
    <message id="tolvane-521">
        <source>cannot receive camera replies: UDP port %1 is not available.</source>
        <translation>impossible de recevoir les réponses des caméras&#xa0;: le port UDP %1 n’est pas disponible.</translation>
    </message>
    <message id="tolvane-522">
        <source>there is no network interface named &apos;%1&apos;.</source>
        <translation>il n’existe aucune interface réseau nommée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="tolvane-523">
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message id="tolvane-524">
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message id="tolvane-525">
        <source>Try &apos;tolvane --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;tolvane --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message id="tolvane-526">
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="tolvane-527">
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="tolvane-528">
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>«&#xa0;%1&#xa0;» n’accepte pas de valeur.</translation>
    </message>
    <message id="tolvane-529">
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="tolvane-530">
        <source>Unknown language &apos;%1&apos;: use en, ja, fr or zh_CN.</source>
        <translation>Langue inconnue «&#xa0;%1&#xa0;»&#xa0;: utilisez en, ja, fr ou zh_CN.</translation>
    </message>
    <message id="tolvane-531">
        <source>The interface name is empty.</source>
        <translation>Le nom de l’interface réseau est vide.</translation>
    </message>
    <message id="tolvane-532">
        <source>--seconds and --json only go with --list, --setup, --setup-by-mac or --apply.</source>
        <translation>--seconds et --json ne s’utilisent qu’avec --list, --setup, --setup-by-mac ou --apply.</translation>
    </message>
    <message id="tolvane-533">
        <source>--seconds takes a whole number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--seconds attend un nombre entier de 1 à %1, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message id="tolvane-534">
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
    <message id="tolvane-535">
        <source>Finds the network cameras on this computer&apos;s Ethernet segment and gives them their network settings.</source>
        <translation>Recherche les caméras réseau du segment Ethernet de cet ordinateur et leur donne leurs paramètres réseau.</translation>
    </message>
    <message id="tolvane-536">
        <source>Exit status of a set-up: 0 verified (or, with --dry-run, every check passed), 1 no acknowledgement, time-out or the camera came back without the new settings (with --apply: any camera failed), 2 invalid input, 3 camera not found, 4 address in use, 5 another instance runs.</source>
        <translation>Code de sortie d’une configuration&#xa0;: 0 vérifiée (ou, avec --dry-run, tous les contrôles ont réussi)&#xa0;; 1 pas d’accusé de réception, délai dépassé ou caméra revenue sans les nouveaux paramètres (avec --apply&#xa0;: une caméra a échoué)&#xa0;; 2 saisie non valide&#xa0;; 3 caméra introuvable&#xa0;; 4 adresse occupée&#xa0;; 5 un autre Tolvane est en cours d’exécution.</translation>
    </message>
    <message id="tolvane-537">
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message id="tolvane-538">
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message id="tolvane-539">
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message id="tolvane-540">
        <source>Interface language: en, ja, fr or zh_CN (default: from the locale).</source>
        <translation>Langue de l’interface&#xa0;: en, ja, fr ou zh_CN (par défaut&#xa0;: selon les paramètres régionaux).</translation>
    </message>
    <message id="tolvane-541">
        <source>Use only the network interface &lt;name&gt; for this computer&apos;s address and for the camera traffic.</source>
        <translation>N’utilise que l’interface réseau &lt;name&gt; pour l’adresse de cet ordinateur et pour le trafic des caméras.</translation>
    </message>
    <message id="tolvane-542">
        <source>Without a window: search for cameras, then print one line per camera (number, MAC address, IPv4 address, port, status and, when several interfaces are searched, the interface, separated by tabs).</source>
        <translation>Sans fenêtre&#xa0;: recherche les caméras, puis affiche une ligne par caméra (numéro, adresse MAC, adresse IPv4, port, état et, quand plusieurs interfaces sont parcourues, l’interface, séparés par des tabulations).</translation>
    </message>
    <message id="tolvane-543">
        <source>With --list: search for &lt;n&gt; seconds (default %1). With a set-up: wait at most &lt;n&gt; seconds for the camera to answer the search.</source>
        <translation>Avec --list&#xa0;: recherche pendant &lt;n&gt;&#xa0;secondes (%1 par défaut). Avec une configuration&#xa0;: attend au plus &lt;n&gt;&#xa0;secondes que la caméra réponde à la recherche.</translation>
    </message>
    <message id="tolvane-544">
        <source>With --list: print a JSON object with the cameras (row texts, interface and raw fields), how many answered but did not fit in the list and, when none answered, why. With a set-up: print the result and the camera&apos;s last record as JSON.</source>
        <translation>Avec --list&#xa0;: affiche un objet JSON avec les caméras (textes de ligne, interface et champs bruts), le nombre de caméras qui ont répondu sans trouver place dans la liste et, si aucune n’a répondu, pourquoi. Avec une configuration&#xa0;: affiche le résultat et le dernier enregistrement de la caméra en JSON.</translation>
    </message>
    <message id="tolvane-545">
        <source>With --list: print CSV, first the columns of an --apply file, then those of --json.</source>
        <translation>Avec --list&#xa0;: affiche du CSV, d’abord les colonnes d’un fichier pour --apply, puis celles de --json.</translation>
    </message>
    <message id="tolvane-546">
        <source>Without a window: search for the camera with the MAC address &lt;mac&gt; (02:00:5E:10:00:01, 02-00-5E-10-00-01 or 02005E100001) and give it the settings below, as the manual set-up does; the settings not given keep the values the manual set-up opens with. Example: --setup 02:00:5E:10:00:01 --static 10.77.0.150/24 --gateway 10.77.0.1</source>
        <translation>Sans fenêtre&#xa0;: recherche la caméra d’adresse MAC &lt;mac&gt; (02:00:5E:10:00:01, 02-00-5E-10-00-01 ou 02005E100001) et lui donne les paramètres ci-dessous, comme la configuration manuelle&#xa0;; les paramètres non indiqués gardent les valeurs avec lesquelles la configuration manuelle s’ouvre. Exemple&#xa0;: --setup 02:00:5E:10:00:01 --static 10.77.0.150/24 --gateway 10.77.0.1</translation>
    </message>
    <message id="tolvane-547">
        <source>Without a window: give a camera that does not answer searches an address by the by-MAC request (needs --static; --gateway and --dns default to this computer&apos;s). Example: --setup-by-mac 02005E100001 --static 10.77.0.160/24</source>
        <translation>Sans fenêtre&#xa0;: donne une adresse, par la requête par adresse MAC, à une caméra qui ne répond pas aux recherches (--static requis&#xa0;; --gateway et --dns prennent par défaut ceux de cet ordinateur). Exemple&#xa0;: --setup-by-mac 02005E100001 --static 10.77.0.160/24</translation>
    </message>
    <message id="tolvane-548">
        <source>Without a window: set up the cameras of the CSV file &lt;file&gt;, one after the other. Its header is mac,mode,address,gateway,dns1,dns2,port,name; a blank cell keeps the camera&apos;s value. Example: --apply site.csv --dry-run</source>
        <translation>Sans fenêtre&#xa0;: configure les caméras du fichier CSV &lt;file&gt;, l’une après l’autre. Son en-tête est mac,mode,address,gateway,dns1,dns2,port,name&#xa0;; une cellule vide garde la valeur de la caméra. Exemple&#xa0;: --apply site.csv --dry-run</translation>
    </message>
    <message id="tolvane-549">
        <source>Static addressing with the address and prefix length &lt;address/prefix&gt;, e.g. 192.168.0.50/24.</source>
        <translation>Adressage statique avec l’adresse et la longueur de préfixe &lt;address/prefix&gt;, par exemple 192.168.0.50/24.</translation>
    </message>
    <message id="tolvane-550">
        <source>Static addressing with the IPv4 address &lt;address&gt;.</source>
        <translation>Adressage statique avec l’adresse IPv4 &lt;address&gt;.</translation>
    </message>
    <message id="tolvane-551">
        <source>Static addressing with the subnet mask &lt;mask&gt;, e.g. 255.255.255.0.</source>
        <translation>Adressage statique avec le masque de sous-réseau &lt;mask&gt;, par exemple 255.255.255.0.</translation>
    </message>
    <message id="tolvane-552">
        <source>The default gateway, e.g. 192.168.0.1.</source>
        <translation>La passerelle par défaut, par exemple 192.168.0.1.</translation>
    </message>
    <message id="tolvane-553">
        <source>The DNS servers: --dns A sets the first and keeps the second, --dns A,B sets both.</source>
        <translation>Les serveurs DNS&#xa0;: --dns A définit le premier et garde le second, --dns A,B définit les deux.</translation>
    </message>
    <message id="tolvane-554">
        <source>DHCP addressing.</source>
        <translation>Adressage par DHCP.</translation>
    </message>
    <message id="tolvane-555">
        <source>The camera&apos;s web port &lt;n&gt;, 1 to 65535.</source>
        <translation>Le port web de la caméra &lt;n&gt;, de 1 à 65535.</translation>
    </message>
    <message id="tolvane-556">
        <source>The camera name &lt;text&gt; (at most 15 bytes).</source>
        <translation>Le nom de la caméra &lt;text&gt; (15&#xa0;octets au plus).</translation>
    </message>
    <message id="tolvane-557">
        <source>The host name &lt;text&gt; (at most 63 characters).</source>
        <translation>Le nom d’hôte &lt;text&gt; (63&#xa0;caractères au plus).</translation>
    </message>
    <message id="tolvane-558">
        <source>The bandwidth limit in Mbit/s: 0.1, 0.2, 0.3, 0.5, 1 or unlimited.</source>
        <translation>La limite de bande passante en Mbit/s&#xa0;: 0.1, 0.2, 0.3, 0.5, 1 ou unlimited.</translation>
    </message>
    <message id="tolvane-559">
        <source>Instead of settings: the re-setup to the default local settings (192.168.0.253/24).</source>
        <translation>Au lieu de paramètres&#xa0;: la reconfiguration aux paramètres locaux par défaut (192.168.0.253/24).</translation>
    </message>
    <message id="tolvane-560">
        <source>Instead of settings: turn the camera&apos;s IPsec off.</source>
        <translation>Au lieu de paramètres&#xa0;: désactive IPsec sur la caméra.</translation>
    </message>
    <message id="tolvane-561">
        <source>Run every check (settings, file, address in use, camera present) and send no set-up.</source>
        <translation>Effectue tous les contrôles (paramètres, fichier, adresse occupée, présence de la caméra) sans envoyer de configuration.</translation>
    </message>
    <message id="tolvane-562">
        <source>With --apply: stop at the first camera that fails.</source>
        <translation>Avec --apply&#xa0;: s’arrête à la première caméra qui échoue.</translation>
    </message>
</context>
</TS>
