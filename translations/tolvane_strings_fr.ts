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
        <translation>Aucune caméra n’a répondu, et le pare-feu firewalld est actif sur cet ordinateur&#xa0;: il rejette les réponses des caméras qui ne sont pas autorisées. Autorisez-les avec «&#xa0;%1&#xa0;», et durablement avec «&#xa0;%2&#xa0;».</translation>
    </message>
    <message id="tolvane-194">
        <source>No camera answered, and the ufw firewall is enabled on this PC: it may drop the cameras&apos; replies. Allow them with &quot;%1&quot;.</source>
        <translation>Aucune caméra n’a répondu, et le pare-feu ufw est activé sur cet ordinateur&#xa0;: il peut rejeter les réponses des caméras. Autorisez-les avec «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="tolvane-195">
        <source>No camera answered. Check that the cameras are powered and on this PC&apos;s network segment (routers do not forward the search); a firewall must allow UDP port 10669 from the LAN.</source>
        <translation>Aucune caméra n’a répondu. Vérifiez que les caméras sont sous tension et sur le même segment réseau que cet ordinateur (les routeurs ne transmettent pas la recherche)&#xa0;; un pare-feu doit autoriser le port UDP 10669 depuis le réseau local.</translation>
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
        <translation>«&#xa0;%1&#xa0;» ne passe pas le contrôle de la configuration manuelle.</translation>
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
        <translation>%1 cellules alors que l’en-tête en nomme %2.</translation>
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
        <translation>trouvée à %1, port %2</translation>
    </message>
    <message id="tolvane-326">
        <source>the camera did not answer within %1 s.</source>
        <translation>la caméra n’a pas répondu en %1 s.</translation>
    </message>
    <message id="tolvane-327">
        <source>the settings pass the checks of the manual set-up</source>
        <translation>les réglages passent les contrôles de la configuration manuelle</translation>
    </message>
    <message id="tolvane-328">
        <source>checking that no other device answers at %1</source>
        <translation>vérification qu’aucun autre appareil ne répond à %1</translation>
    </message>
    <message id="tolvane-329">
        <source>%1 is free</source>
        <translation>%1 est libre</translation>
    </message>
    <message id="tolvane-330">
        <source>another device answers at %1; nothing was sent.</source>
        <translation>un autre appareil répond à %1&#xa0;; rien n’a été envoyé.</translation>
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
        <translation>la caméra est de retour à %1, port %2</translation>
    </message>
    <message id="tolvane-335">
        <source>verified: the camera reports the new settings</source>
        <translation>vérifié&#xa0;: la caméra indique les nouveaux réglages</translation>
    </message>
    <message id="tolvane-336">
        <source>the camera came back without the new settings: %1</source>
        <translation>la caméra est revenue sans les nouveaux réglages&#xa0;: %1</translation>
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
        <translation>essai à blanc&#xa0;: tous les contrôles sont passés, rien n’a été envoyé</translation>
    </message>
    <message id="tolvane-340">
        <source>sending the set-up by MAC address</source>
        <translation>envoi de la configuration par adresse MAC</translation>
    </message>
    <message id="tolvane-341">
        <source>waiting for the camera to answer at %1</source>
        <translation>attente d’une réponse de la caméra à %1</translation>
    </message>
    <message id="tolvane-342">
        <source>the camera did not answer at %1 in time.</source>
        <translation>la caméra n’a pas répondu à %1 à temps.</translation>
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
        <translation>saisie invalide</translation>
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
        <translation>%1 caméra(s) sur %2 ont réussi.</translation>
    </message>
    <message id="tolvane-356">
        <source>the camera came back with IPsec still on.</source>
        <translation>la caméra est revenue avec IPsec toujours activé.</translation>
    </message>
    <message id="tolvane-710">
        <source>Copyright (C) 2026 The Tolvane developers.
Licence GPL-3.0-or-later: GNU General Public License, version 3 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Copyright (C) 2026 Les développeurs de Tolvane.
Licence GPL-3.0-or-later&#xa0;: licence publique générale GNU, version 3 ou ultérieure &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
Ceci est un logiciel libre&#xa0;: vous êtes libre de le modifier et de le redistribuer. Il n’y a AUCUNE GARANTIE, dans la mesure permise par la loi.
</translation>
    </message>
</context>
</TS>
