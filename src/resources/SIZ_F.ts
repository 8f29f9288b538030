<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>VnAboutDlg</name>
    <message>
        <source>About the Sizing Application</source>
        <translation>À propos de l'application de dimensionnement</translation>
    </message>
    <message>
        <source>Varnox - Sizing &amp; Engineering</source>
        <translation>Varnox - Dimensionnement &amp; Ingénierie</translation>
    </message>
    <message>
        <source>Version 7.2</source>
        <translation>Version 7.2</translation>
    </message>
    <message>
        <source>Version 4.2</source>
        <translation>Version 4.2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>VnActuatorSpeedDialog</name>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Flow Coëfficient</source>
        <translation>Coefficient de débit</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>Vers &amp;fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>VnAirTankDialog</name>
    <message>
        <source>Actuator</source>
        <translation>Actionneur</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Tank Size</source>
        <translation>Volume du réservoir</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Manœuvres</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>Vers &amp;fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fer&amp;mer</translation>
    </message>
</context>
<context>
    <name>VnConvertDialog</name>
    <message>
        <source>Convert Dialog</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>&amp;Direction</source>
        <translation>&amp;Sens</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>VnDBaseEditDlg</name>
    <message>
        <source>Database Edit</source>
        <translation>Modification de la base de données</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>&amp;Append page</source>
        <translation>&amp;Ajouter une page</translation>
    </message>
    <message>
        <source>&amp;Delete page</source>
        <translation>Supprimer la &amp;page</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Valve</source>
        <translation>Vanne</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tailles</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>Coefficient de sécurité</translation>
    </message>
    <message>
        <source>Drawing nr</source>
        <translation>N° de plan</translation>
    </message>
    <message>
        <source>Seat Factor</source>
        <translation>Coefficient de fermeture</translation>
    </message>
    <message>
        <source>Data date</source>
        <translation>Date des données</translation>
    </message>
    <message>
        <source>Run Factor</source>
        <translation>Coefficient de manœuvre</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>A&amp;ppend size</source>
        <translation>Ajouter une &amp;taille</translation>
    </message>
    <message>
        <source>De&amp;lete size</source>
        <translation>Supprimer la tai&amp;lle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>VnDatabaseSizingDialog</name>
    <message>
        <source>Safe&amp;ty factor:</source>
        <translation>Coefficient de &amp;sécurité :</translation>
    </message>
    <message>
        <source>Seating factor:</source>
        <translation>Coefficient de fermeture :</translation>
    </message>
    <message>
        <source>Running factor:</source>
        <translation>Coefficient de manœuvre :</translation>
    </message>
    <message>
        <source>Fail &amp;action:</source>
        <translation>Position &amp;de sécurité :</translation>
    </message>
    <message>
        <source>Select &amp;Valve</source>
        <translation>Choisir la &amp;vanne</translation>
    </message>
    <message>
        <source>&amp;Sizing</source>
        <translation>Dime&amp;nsionner</translation>
    </message>
    <message>
        <source>Pa&amp;ge:</source>
        <translation>Pa&amp;ge :</translation>
    </message>
    <message>
        <source>Valve database</source>
        <translation>Base de données de vannes</translation>
    </message>
    <message>
        <source>Valve:</source>
        <translation>Vanne :</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page :</translation>
    </message>
    <message>
        <source>Sizes:</source>
        <translation>Tailles :</translation>
    </message>
    <message>
        <source>Drawing Nr:</source>
        <translation>N° de plan :</translation>
    </message>
    <message>
        <source>Data Date:</source>
        <translation>Date des données :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Source :</translation>
    </message>
</context>
<context>
    <name>VnHotLineActuatorDialog</name>
    <message>
        <source>Hot Line Actuators</source>
        <translation>Actionneurs sur conduites chaudes</translation>
    </message>
    <message>
        <source>Fluid Temperature</source>
        <translation>Température du fluide</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>Température ambiante</translation>
    </message>
    <message>
        <source>Maximum Instrument Temperature</source>
        <translation>Température maximale de l'instrument</translation>
    </message>
    <message>
        <source>Note: Height is from the surface of the pipe to the nearest point on the actuator.</source>
        <translation>Remarque : la hauteur est mesurée de la surface de la conduite au point le plus proche de l'actionneur.</translation>
    </message>
    <message>
        <source>Calculation Result</source>
        <translation>Résultat du calcul</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>Vers &amp;fichier</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fer&amp;mer</translation>
    </message>
</context>
<context>
    <name>VnListColumnsDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>VnProjectDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>VnNoteInputDialog</name>
    <message>
        <source>Note Input</source>
        <translation>Saisie de la note</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>VnSetup</name>
    <message>
        <source>Pneumatic Sizing &amp; Engineering Application Setup</source>
        <translation>Configuration Dimensionnement &amp; Ingénierie pneumatiques</translation>
    </message>
    <message>
        <source>Electric Sizing &amp; Engineering Application Setup</source>
        <translation>Configuration Dimensionnement &amp; Ingénierie électriques</translation>
    </message>
    <message>
        <source>LanguageListEnabled</source>
        <translation>1</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Actuator file:</source>
        <translation>Fichier d'actionneurs :</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>P&amp;arcourir...</translation>
    </message>
    <message>
        <source>Valve file:</source>
        <translation>Fichier de vannes :</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unités :</translation>
    </message>
    <message>
        <source>&amp;Pressure:</source>
        <translation>P&amp;ression :</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>L&amp;ieu :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>VnSizDoubleActingDlg</name>
    <message>
        <source>&amp;Safety factor:</source>
        <translation>Coefficient de &amp;sécurité :</translation>
    </message>
    <message>
        <source>&amp;Torque:</source>
        <translation>C&amp;ouple :</translation>
    </message>
</context>
<context>
    <name>VnSizSpringReturnDlg</name>
    <message>
        <source>&amp;Valve type:</source>
        <translation>&amp;Type de vanne :</translation>
    </message>
    <message>
        <source>&amp;Safety factor:</source>
        <translation>Coefficient de &amp;sécurité :</translation>
    </message>
    <message>
        <source>Seat&amp;ing factor:</source>
        <translation>Coefficient de fe&amp;rmeture :</translation>
    </message>
    <message>
        <source>&amp;Running factor:</source>
        <translation>Coefficient de ma&amp;nœuvre :</translation>
    </message>
    <message>
        <source>Fail &amp;action:</source>
        <translation>Position &amp;de sécurité :</translation>
    </message>
    <message>
        <source>&amp;Torque:</source>
        <translation>C&amp;ouple :</translation>
    </message>
</context>
<context>
    <name>VnTorSizDlg</name>
    <message>
        <source>Press&amp;ure:</source>
        <translation>&amp;Pression :</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>Vers &amp;fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fer&amp;mer</translation>
    </message>
</context>
<context>
    <name>VnTorSpringRetDlg</name>
    <message>
        <source>&amp;Add spring</source>
        <translation>&amp;Ajouter un ressort</translation>
    </message>
    <message>
        <source>&amp;Remove Spring</source>
        <translation>&amp;Retirer un ressort</translation>
    </message>
</context>
<context>
    <name>VnTorsionDialog</name>
    <message>
        <source>Calculations for Shaft Torsion</source>
        <translation>Calcul de la torsion des arbres</translation>
    </message>
    <message>
        <source>Torque:</source>
        <translation>Couple :</translation>
    </message>
    <message>
        <source>Shaft Diameter</source>
        <translation>Diamètre de l'arbre</translation>
    </message>
    <message>
        <source>Shaft Length</source>
        <translation>Longueur de l'arbre</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>Vers &amp;fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fer&amp;mer</translation>
    </message>
</context>
<context>
    <name>VnValveDatabasesDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>VnStrings</name>
    <message>
        <source>Opens an existing document</source>
        <comment>1</comment>
        <translation>Ouvre un document existant</translation>
    </message>
    <message>
        <source>Double Acting</source>
        <comment>2</comment>
        <translation>Double effet</translation>
    </message>
    <message>
        <source>Spring Return</source>
        <comment>3</comment>
        <translation>Simple effet</translation>
    </message>
    <message>
        <source>Default Valve</source>
        <comment>4</comment>
        <translation>Vanne standard</translation>
    </message>
    <message>
        <source>Other Valve</source>
        <comment>5</comment>
        <translation>Autre vanne</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>6</comment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Hot Line Actuators</source>
        <comment>7</comment>
        <translation>Actionneurs sur conduites chaudes</translation>
    </message>
    <message>
        <source>Actuator Speed</source>
        <comment>8</comment>
        <translation>Vitesse de l'actionneur</translation>
    </message>
    <message>
        <source>Air Tank Capacity</source>
        <comment>9</comment>
        <translation>Capacité du réservoir d'air</translation>
    </message>
    <message>
        <source>Torsion</source>
        <comment>10</comment>
        <translation>Torsion</translation>
    </message>
    <message>
        <source>Conversions</source>
        <comment>11</comment>
        <translation>Conversions</translation>
    </message>
    <message>
        <source>Varnox  Pneumatic Engineering &amp; Sizing</source>
        <comment>12</comment>
        <translation>Varnox  Dimensionnement &amp; Ingénierie pneumatiques</translation>
    </message>
    <message>
        <source>Torque</source>
        <comment>13</comment>
        <translation>Couple</translation>
    </message>
    <message>
        <source>too low</source>
        <comment>14</comment>
        <translation>trop basse</translation>
    </message>
    <message>
        <source>too high</source>
        <comment>15</comment>
        <translation>trop haute</translation>
    </message>
    <message>
        <source>English</source>
        <comment>16</comment>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <comment>17</comment>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>German</source>
        <comment>18</comment>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <comment>19</comment>
        <translation>Français</translation>
    </message>
    <message>
        <source>An error occurred...</source>
        <comment>20</comment>
        <translation>Une erreur s'est produite...</translation>
    </message>
    <message>
        <source>I could not find language module %s. Please select another language.</source>
        <comment>21</comment>
        <translation>Le module de langue %s est introuvable. Veuillez choisir une autre langue.</translation>
    </message>
    <message>
        <source>Select  Actuator File</source>
        <comment>22</comment>
        <translation>Choisir le fichier d'actionneurs</translation>
    </message>
    <message>
        <source>Select Valve File</source>
        <comment>23</comment>
        <translation>Choisir le fichier de vannes</translation>
    </message>
    <message>
        <source>Metric</source>
        <comment>24</comment>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Imperial</source>
        <comment>25</comment>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>The input for pressure is not correct. Please enter a value between 2 and 10 Bar.</source>
        <comment>26</comment>
        <translation>La pression saisie n'est pas correcte. Veuillez entrer une valeur entre 2 et 10 bar.</translation>
    </message>
    <message>
        <source>Sizing</source>
        <comment>27</comment>
        <translation>Dimensionnement</translation>
    </message>
    <message>
        <source>Butterfly Valve</source>
        <comment>28</comment>
        <translation>Vanne papillon</translation>
    </message>
    <message>
        <source>Ball Valve</source>
        <comment>29</comment>
        <translation>Vanne à bille</translation>
    </message>
    <message>
        <source>Plug Valve</source>
        <comment>30</comment>
        <translation>Vanne à boisseau</translation>
    </message>
    <message>
        <source>FC</source>
        <comment>31</comment>
        <translation>FMA</translation>
    </message>
    <message>
        <source>  FO</source>
        <comment>32</comment>
        <translation>  OMA</translation>
    </message>
    <message>
        <source>Fail Open</source>
        <comment>33</comment>
        <translation>Ouverture par manque d'air</translation>
    </message>
    <message>
        <source>Fail Close</source>
        <comment>34</comment>
        <translation>Fermeture par manque d'air</translation>
    </message>
    <message>
        <source>Added</source>
        <comment>35</comment>
        <translation>Ajoutés</translation>
    </message>
    <message>
        <source>Removed</source>
        <comment>36</comment>
        <translation>Retirés</translation>
    </message>
    <message>
        <source>Air Start</source>
        <comment>37</comment>
        <translation>Air début</translation>
    </message>
    <message>
        <source>Air End</source>
        <comment>38</comment>
        <translation>Air fin</translation>
    </message>
    <message>
        <source>Spring Start</source>
        <comment>39</comment>
        <translation>Ressort début</translation>
    </message>
    <message>
        <source>Spring End</source>
        <comment>40</comment>
        <translation>Ressort fin</translation>
    </message>
    <message>
        <source>Spring Set</source>
        <comment>41</comment>
        <translation>Jeu de ressorts</translation>
    </message>
    <message>
        <source>Actuator</source>
        <comment>42</comment>
        <translation>Actionneur</translation>
    </message>
    <message>
        <source>Nm</source>
        <comment>43</comment>
        <translation>Nm</translation>
    </message>
    <message>
        <source>in.lb</source>
        <comment>44</comment>
        <translation>in.lb</translation>
    </message>
    <message>
        <source>bar</source>
        <comment>45</comment>
        <translation>bar</translation>
    </message>
    <message>
        <source>psi</source>
        <comment>46</comment>
        <translation>psi</translation>
    </message>
    <message>
        <source>Fail Action</source>
        <comment>47</comment>
        <translation>Pos. sécurité</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>48</comment>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Factor</source>
        <comment>49</comment>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <comment>50</comment>
        <translation>Coef. sécurité</translation>
    </message>
    <message>
        <source>incl.SF</source>
        <comment>51</comment>
        <translation>incl.CS</translation>
    </message>
    <message>
        <source>°C</source>
        <comment>52</comment>
        <translation>°C</translation>
    </message>
    <message>
        <source>F</source>
        <comment>53</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>Convert</source>
        <comment>54</comment>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>55</comment>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Temperature</source>
        <comment>56</comment>
        <translation>Température</translation>
    </message>
    <message>
        <source>kg.m</source>
        <comment>57</comment>
        <translation>kg.m</translation>
    </message>
    <message>
        <source>ft.lb</source>
        <comment>58</comment>
        <translation>ft.lb</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>59</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>inch</source>
        <comment>60</comment>
        <translation>pouce</translation>
    </message>
    <message>
        <source>liter</source>
        <comment>61</comment>
        <translation>litre</translation>
    </message>
    <message>
        <source>cu.in</source>
        <comment>62</comment>
        <translation>cu.in</translation>
    </message>
    <message>
        <source>kg</source>
        <comment>63</comment>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <comment>64</comment>
        <translation>lb</translation>
    </message>
    <message>
        <source>Length</source>
        <comment>65</comment>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Weight</source>
        <comment>66</comment>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>67</comment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ambient temperature is higher than the instrument temperature.</source>
        <comment>68</comment>
        <translation>La température ambiante est supérieure à la température de l'instrument.</translation>
    </message>
    <message>
        <source>Please enter new data and calculate again.</source>
        <comment>69</comment>
        <translation>Veuillez saisir de nouvelles données et recalculer.</translation>
    </message>
    <message>
        <source>No problem!  Use standard mounting.</source>
        <comment>70</comment>
        <translation>Aucun problème !  Utiliser le montage standard.</translation>
    </message>
    <message>
        <source>Fluid temperature is too high.</source>
        <comment>71</comment>
        <translation>La température du fluide est trop élevée.</translation>
    </message>
    <message>
        <source>Heat loss is too high.</source>
        <comment>72</comment>
        <translation>La perte de chaleur est trop élevée.</translation>
    </message>
    <message>
        <source>The distance between the actuator and the pipe  =  %.2f %s</source>
        <comment>73</comment>
        <translation>La distance entre l'actionneur et la conduite  =  %.2f %s</translation>
    </message>
    <message>
        <source>No fluid temperature available</source>
        <comment>74</comment>
        <translation>Aucune température de fluide saisie</translation>
    </message>
    <message>
        <source>No ambient temperature available</source>
        <comment>75</comment>
        <translation>Aucune température ambiante saisie</translation>
    </message>
    <message>
        <source>No instrument temperature available</source>
        <comment>76</comment>
        <translation>Aucune température d'instrument saisie</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>77</comment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>sec</source>
        <comment>78</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>79</comment>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Kv</source>
        <comment>80</comment>
        <translation>Kv</translation>
    </message>
    <message>
        <source>Cv</source>
        <comment>81</comment>
        <translation>Cv</translation>
    </message>
    <message>
        <source>Air Tank</source>
        <comment>82</comment>
        <translation>Réservoir d'air</translation>
    </message>
    <message>
        <source>Calculations</source>
        <comment>83</comment>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>84</comment>
        <translation>Manœuvre</translation>
    </message>
    <message>
        <source>Initial</source>
        <comment>85</comment>
        <translation>Initial</translation>
    </message>
    <message>
        <source>N/mm^2</source>
        <comment>86</comment>
        <translation>N/mm^2</translation>
    </message>
    <message>
        <source>lb/in^2</source>
        <comment>87</comment>
        <translation>lb/in^2</translation>
    </message>
    <message>
        <source>Stress</source>
        <comment>88</comment>
        <translation>Contrainte</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>89</comment>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Diameter</source>
        <comment>90</comment>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Deflection</source>
        <comment>91</comment>
        <translation>Déformation</translation>
    </message>
    <message>
        <source>Ambient</source>
        <comment>92</comment>
        <translation>Ambiante</translation>
    </message>
    <message>
        <source>Fluid</source>
        <comment>93</comment>
        <translation>Fluide</translation>
    </message>
    <message>
        <source>Instrument</source>
        <comment>94</comment>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Maximum</source>
        <comment>95</comment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Hot Line Actuators</source>
        <comment>96</comment>
        <translation>Actionneurs sur conduites chaudes</translation>
    </message>
    <message>
        <source>Calculation Result</source>
        <comment>97</comment>
        <translation>Résultat du calcul</translation>
    </message>
    <message>
        <source>Database</source>
        <comment>98</comment>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>99</comment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>of</source>
        <comment>100</comment>
        <translation>sur</translation>
    </message>
    <message>
        <source>There was an error during reading the Valve file, Continuing with old file.</source>
        <comment>101</comment>
        <translation>Erreur lors de la lecture du fichier de vannes. L'ancien fichier reste utilisé.</translation>
    </message>
    <message>
        <source>Enter or Selecr Valve File</source>
        <comment>102</comment>
        <translation>Saisir ou choisir le fichier de vannes</translation>
    </message>
    <message>
        <source>Appoximate Time</source>
        <comment>103</comment>
        <translation>Temps approx.</translation>
    </message>
    <message>
        <source>There was an error during reading the Actuator file. The file could not be opened or the file is not available.</source>
        <comment>104</comment>
        <translation>Erreur lors de la lecture du fichier d'actionneurs. Le fichier n'a pas pu être ouvert ou est absent.</translation>
    </message>
    <message>
        <source>Should the notes be added to the datasheet?</source>
        <comment>105</comment>
        <translation>Faut-il ajouter les notes à la fiche technique ?</translation>
    </message>
    <message>
        <source>Valve Type</source>
        <comment>106</comment>
        <translation>Type de vanne</translation>
    </message>
    <message>
        <source>Note:</source>
        <comment>107</comment>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>Seating Factor</source>
        <comment>108</comment>
        <translation>Coef. fermeture</translation>
    </message>
    <message>
        <source>Running Factor</source>
        <comment>109</comment>
        <translation>Coef. manœuvre</translation>
    </message>
    <message>
        <source>Varnox Electric Engineering &amp; Sizing</source>
        <comment>110</comment>
        <translation>Varnox Dimensionnement &amp; Ingénierie électriques</translation>
    </message>
    <message>
        <source>Break</source>
        <comment>111</comment>
        <translation>Décollement</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>112</comment>
        <translation>Manœuvre</translation>
    </message>
    <message>
        <source>The selected files from your settings could not be loaded. Please check the settings for correct filenames.</source>
        <comment>113</comment>
        <translation>Les fichiers de vos paramètres n'ont pas pu être chargés. Vérifiez les noms de fichiers dans la configuration.</translation>
    </message>
    <message>
        <source>Height</source>
        <comment>114</comment>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Result:</source>
        <comment>115</comment>
        <translation>Résultat :</translation>
    </message>
    <message>
        <source>Pilot Valve</source>
        <comment>116</comment>
        <translation>Électrovanne</translation>
    </message>
    <message>
        <source>Operations</source>
        <comment>117</comment>
        <translation>Manœuvres</translation>
    </message>
    <message>
        <source>Tank Size</source>
        <comment>118</comment>
        <translation>Vol. réservoir</translation>
    </message>
    <message>
        <source>Torsion in circulair shafts</source>
        <comment>119</comment>
        <translation>Torsion des arbres circulaires</translation>
    </message>
    <message>
        <source>Sizing data for:</source>
        <comment>120</comment>
        <translation>Dimensionnement pour :</translation>
    </message>
    <message>
        <source>Spring</source>
        <comment>121</comment>
        <translation>Ressort</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>122</comment>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Select textfile for output</source>
        <comment>123</comment>
        <translation>Choisir le fichier texte de sortie</translation>
    </message>
    <message>
        <source>Valve</source>
        <comment>124</comment>
        <translation>Vanne</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>125</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Fail</source>
        <comment>126</comment>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Action</source>
        <comment>127</comment>
        <translation>Pos. sécurité</translation>
    </message>
    <message>
        <source>Seat</source>
        <comment>128</comment>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>End</source>
        <comment>129</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>The file name is longer than 99 characters. Please choose a file in a folder with a shorter path.</source>
        <comment>130</comment>
        <translation>Le nom de fichier dépasse 99 caractères. Choisissez un fichier dans un dossier au chemin plus court.</translation>
    </message>
    <message>
        <source>The file %s could not be written. Please check the folder and the free disk space.</source>
        <comment>131</comment>
        <translation>Le fichier %s n'a pas pu être écrit. Vérifiez le dossier et l'espace disque libre.</translation>
    </message>
    <message>
        <source>The page %i &quot;%s&quot; has no sizes. Append a size to it or delete it, then save again.</source>
        <comment>132</comment>
        <translation>La page %i « %s » n'a aucune taille. Ajoutez une taille ou supprimez la page, puis enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>The valve database has changes that are not saved. Do you want to save them?</source>
        <comment>133</comment>
        <translation>La base de données de vannes contient des modifications non enregistrées. Voulez-vous les enregistrer ?</translation>
    </message>
    <message>
        <source>The valve database has no pages. Append a page with at least one size, then save again.</source>
        <comment>134</comment>
        <translation>La base de vannes n'a aucune page. Ajoutez une page avec au moins une taille, puis enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>The file %s did not read completely. Saving replaces it with what the editor holds. Save anyway?</source>
        <comment>135</comment>
        <translation>Le fichier %s n'a pas été lu en entier. L'enregistrer le remplace par le contenu de l'éditeur. Continuer ?</translation>
    </message>
    <message>
        <source>The pasted text &quot;%s&quot; is not a number. The field is left as it was.</source>
        <comment>136</comment>
        <translation>Le texte collé &quot;%s&quot; n'est pas un nombre. Le champ reste inchangé.</translation>
    </message>
    <message>
        <source>The pasted number &quot;%s&quot; does not fit: this field takes at most %i characters.</source>
        <comment>137</comment>
        <translation>Le nombre collé &quot;%s&quot; ne tient pas : ce champ accepte au plus %i caractères.</translation>
    </message>
    <message>
        <source>Valve List</source>
        <comment>138</comment>
        <translation>Liste de vannes</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>139</comment>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <comment>140</comment>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Datasheets...</source>
        <comment>141</comment>
        <translation>&amp;Fiches techniques...</translation>
    </message>
    <message>
        <source>One &amp;PDF file...</source>
        <comment>142</comment>
        <translation>Un fichier &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Text files in a folder...</source>
        <comment>143</comment>
        <translation>Fichiers &amp;texte dans un dossier...</translation>
    </message>
    <message>
        <source>Select a valve list</source>
        <comment>144</comment>
        <translation>Choisir une liste de vannes</translation>
    </message>
    <message>
        <source>Export the sized list</source>
        <comment>145</comment>
        <translation>Exporter la liste dimensionnée</translation>
    </message>
    <message>
        <source>Save the datasheets as one PDF file</source>
        <comment>146</comment>
        <translation>Enregistrer les fiches techniques dans un fichier PDF</translation>
    </message>
    <message>
        <source>Select the folder for the datasheets</source>
        <comment>147</comment>
        <translation>Choisir le dossier des fiches techniques</translation>
    </message>
    <message>
        <source>Sizing the valve list...</source>
        <comment>148</comment>
        <translation>Dimensionnement de la liste de vannes...</translation>
    </message>
    <message>
        <source>Writing %s...</source>
        <comment>149</comment>
        <translation>Écriture de %s...</translation>
    </message>
    <message>
        <source>Making the datasheets...</source>
        <comment>150</comment>
        <translation>Création des fiches techniques...</translation>
    </message>
    <message>
        <source>Rows: %i   Sized: %i   No fit: %i   Errors: %i</source>
        <comment>151</comment>
        <translation>Lignes : %i   Dimensionnées : %i   Sans actionneur : %i   Erreurs : %i</translation>
    </message>
    <message>
        <source>Open a valve list (a CSV file with a Tag column) to size every valve in it.</source>
        <comment>152</comment>
        <translation>Ouvrez une liste de vannes (un fichier CSV avec une colonne Tag) pour dimensionner chacune de ses vannes.</translation>
    </message>
    <message>
        <source>The valve list %s could not be sized.</source>
        <comment>153</comment>
        <translation>La liste de vannes %s n'a pas pu être dimensionnée.</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <comment>154</comment>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Written: %s</source>
        <comment>155</comment>
        <translation>Écrit : %s</translation>
    </message>
    <message>
        <source>%i datasheets written to %s</source>
        <comment>156</comment>
        <translation>%i fiches techniques écrites dans %s</translation>
    </message>
    <message>
        <source>No row of the list was sized, so there is no datasheet to write.</source>
        <comment>157</comment>
        <translation>Aucune ligne de la liste n'a été dimensionnée : il n'y a aucune fiche technique à écrire.</translation>
    </message>
    <message>
        <source>Warnings: %i</source>
        <comment>158</comment>
        <translation>Avertissements : %i</translation>
    </message>
    <message>
        <source>The sized list cannot replace the valve list it was sized from (%s). Please choose another file name.</source>
        <comment>159</comment>
        <translation>La liste dimensionnée ne peut pas remplacer la liste de vannes dont elle provient (%s). Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>Col&amp;umns...</source>
        <comment>160</comment>
        <translation>&amp;Colonnes...</translation>
    </message>
    <message>
        <source>Decimal &amp;mark:</source>
        <comment>161</comment>
        <translation>Séparateur &amp;décimal :</translation>
    </message>
    <message>
        <source>As the list shows</source>
        <comment>162</comment>
        <translation>Comme dans la liste</translation>
    </message>
    <message>
        <source>Point (1,450.5)</source>
        <comment>163</comment>
        <translation>Point (1,450.5)</translation>
    </message>
    <message>
        <source>Comma (1.450,5)</source>
        <comment>164</comment>
        <translation>Virgule (1.450,5)</translation>
    </message>
    <message>
        <source>Columns of the Valve List</source>
        <comment>165</comment>
        <translation>Colonnes de la liste de vannes</translation>
    </message>
    <message>
        <source>Choose the column that holds each value. Only these are read; the others pass through. Kept for lists with this header line.</source>
        <comment>166</comment>
        <translation>Choisissez la colonne de chaque valeur. Seules ces colonnes sont lues ; les autres restent inchangées. Choix gardé par en-tête.</translation>
    </message>
    <message>
        <source>(no column)</source>
        <comment>167</comment>
        <translation>(aucune colonne)</translation>
    </message>
    <message>
        <source>Tag</source>
        <comment>168</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Series</source>
        <comment>169</comment>
        <translation>Série</translation>
    </message>
    <message>
        <source>%i cells were longer than a workbook cell holds and were cut; the Warnings of their rows say so.</source>
        <comment>170</comment>
        <translation>%i cellules dépassaient la taille d'une cellule de classeur et ont été coupées ; les Avertissements de leurs lignes le disent.</translation>
    </message>
    <message>
        <source>Valve data&amp;bases...</source>
        <comment>171</comment>
        <translation>&amp;Bases de vannes...</translation>
    </message>
    <message>
        <source>Valve Databases for Lists</source>
        <comment>172</comment>
        <translation>Bases de données de vannes pour les listes</translation>
    </message>
    <message>
        <source>A list's Series is looked up in every database here; the database of the settings comes first.</source>
        <comment>173</comment>
        <translation>La série d'une liste est cherchée dans chaque base ici ; la base des réglages vient en premier.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <comment>174</comment>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <comment>175</comment>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>The valve database %s does not read completely, so it is not added.</source>
        <comment>176</comment>
        <translation>La base de vannes %s ne se lit pas entièrement ; elle n'est donc pas ajoutée.</translation>
    </message>
    <message>
        <source>(settings)</source>
        <comment>177</comment>
        <translation>(réglages)</translation>
    </message>
    <message>
        <source>Check failed: %i</source>
        <comment>178</comment>
        <translation>Contrôle échoué : %i</translation>
    </message>
    <message>
        <source>Pro&amp;ject...</source>
        <comment>179</comment>
        <translation>Pro&amp;jet...</translation>
    </message>
    <message>
        <source>Stroke [°]</source>
        <comment>180</comment>
        <translation>Course [°]</translation>
    </message>
    <message>
        <source>Closed</source>
        <comment>181</comment>
        <translation>Fermé</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>182</comment>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Air stroke</source>
        <comment>183</comment>
        <translation>Course pneumatique</translation>
    </message>
    <message>
        <source>Spring stroke</source>
        <comment>184</comment>
        <translation>Course ressort</translation>
    </message>
    <message>
        <source>Actuator output</source>
        <comment>185</comment>
        <translation>Couple de l'actionneur</translation>
    </message>
    <message>
        <source>Break/seat torque</source>
        <comment>186</comment>
        <translation>Couple de décollage/d'assise</translation>
    </message>
    <message>
        <source>Running torque</source>
        <comment>187</comment>
        <translation>Couple de manœuvre</translation>
    </message>
    <message>
        <source>Valve demand</source>
        <comment>188</comment>
        <translation>Besoin de la vanne</translation>
    </message>
    <message>
        <source>No actuator fits: the valve's demands are shown alone.</source>
        <comment>189</comment>
        <translation>Aucun actionneur ne convient : seuls les besoins de la vanne sont affichés.</translation>
    </message>
    <message>
        <source>Show c&amp;hart</source>
        <comment>190</comment>
        <translation>Affic&amp;her le graphique</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <comment>191</comment>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <comment>192</comment>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <comment>193</comment>
        <translation>Enregistrer le graphique...</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <comment>194</comment>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <comment>195</comment>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <comment>196</comment>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save the datasheet and its chart as PDF</source>
        <comment>197</comment>
        <translation>Enregistrer la fiche technique et son graphique en PDF</translation>
    </message>
    <message>
        <source>Save the chart as an image</source>
        <comment>198</comment>
        <translation>Enregistrer le graphique comme image</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <comment>199</comment>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>Copy row</source>
        <comment>200</comment>
        <translation>Copier la ligne</translation>
    </message>
    <message>
        <source>Copy table</source>
        <comment>201</comment>
        <translation>Copier le tableau</translation>
    </message>
    <message>
        <source>Opens the user guide in your web browser</source>
        <comment>202</comment>
        <translation>Ouvre le guide de l'utilisateur dans votre navigateur web</translation>
    </message>
    <message>
        <source>The user guide was not found. The program looked for it here:
%s</source>
        <comment>203</comment>
        <translation>Le guide de l'utilisateur est introuvable. Le programme l'a cherché ici :
%s</translation>
    </message>
    <message>
        <source>The user guide %s could not be opened. Please open it in your web browser.</source>
        <comment>204</comment>
        <translation>Le guide de l'utilisateur %s n'a pas pu être ouvert. Veuillez l'ouvrir dans votre navigateur web.</translation>
    </message>
    <message>
        <source>Saved %s</source>
        <comment>205</comment>
        <translation>%s enregistré</translation>
    </message>
    <message>
        <source>The size %s is already on this page. Replace its torque? No adds a second line with the same size.</source>
        <comment>206</comment>
        <translation>La taille %s figure déjà sur cette page. Remplacer son couple ? Non ajoute une seconde ligne de même taille.</translation>
    </message>
    <message>
        <source>Supply pressure in bar: from 2 to 10 bar</source>
        <comment>210</comment>
        <translation>Pression d'alimentation en bar : de 2 à 10 bar</translation>
    </message>
    <message>
        <source>Supply pressure in psi: from 29 to 145 psi</source>
        <comment>211</comment>
        <translation>Pression d'alimentation en psi : de 29 à 145 psi</translation>
    </message>
    <message>
        <source>Safety factor, without unit, above 0: the valve's break torque is multiplied by it</source>
        <comment>212</comment>
        <translation>Coefficient de sécurité, sans unité, supérieur à 0 : le couple de décollement de la vanne est multiplié par lui</translation>
    </message>
    <message>
        <source>Seating factor, without unit, above 0: the seating torque is the break torque times this factor</source>
        <comment>213</comment>
        <translation>Coefficient de fermeture, sans unité, supérieur à 0 : le couple de fermeture est le décollement fois ce coefficient</translation>
    </message>
    <message>
        <source>Running factor, without unit, above 0: the running torque is the break torque times this factor</source>
        <comment>214</comment>
        <translation>Coefficient de manœuvre, sans unité, supérieur à 0 : le couple de manœuvre est le décollement fois ce coefficient</translation>
    </message>
    <message>
        <source>The valve's break torque in %s, above 0</source>
        <comment>215</comment>
        <translation>Le couple de décollement de la vanne en %s, supérieur à 0</translation>
    </message>
    <message>
        <source>Spring units added to or removed from each actuator's estimate: a whole number from 0 to 100</source>
        <comment>216</comment>
        <translation>Unités de ressort ajoutées ou retirées à l'estimation de chaque actionneur : un nombre entier de 0 à 100</translation>
    </message>
    <message>
        <source>The valve size as the database lists it, without unit, above 0</source>
        <comment>217</comment>
        <translation>La taille de la vanne telle que la base de données l'indique, sans unité, supérieure à 0</translation>
    </message>
    <message>
        <source>The pilot valve's flow coefficient %s, above 0</source>
        <comment>218</comment>
        <translation>Le coefficient de débit %s de l'électrovanne, supérieur à 0</translation>
    </message>
    <message>
        <source>The volume of the buffer tank in %s, above 0</source>
        <comment>219</comment>
        <translation>Le volume du réservoir tampon en %s, supérieur à 0</translation>
    </message>
    <message>
        <source>The number of strokes made from the tank: a whole number from 0 to 999</source>
        <comment>220</comment>
        <translation>Le nombre de manœuvres faites avec le réservoir : un nombre entier de 0 à 999</translation>
    </message>
    <message>
        <source>The torque on the shaft in %s</source>
        <comment>221</comment>
        <translation>Le couple sur l'arbre en %s</translation>
    </message>
    <message>
        <source>The shaft diameter in %s, above 0</source>
        <comment>222</comment>
        <translation>Le diamètre de l'arbre en %s, supérieur à 0</translation>
    </message>
    <message>
        <source>The shaft length in %s, above 0</source>
        <comment>223</comment>
        <translation>La longueur de l'arbre en %s, supérieure à 0</translation>
    </message>
    <message>
        <source>The temperature of the fluid in the pipe in %s, at most 999 °C (1830 F)</source>
        <comment>224</comment>
        <translation>La température du fluide dans la conduite en %s, au plus 999 °C (1830 F)</translation>
    </message>
    <message>
        <source>The temperature of the air around the valve in %s, at most the instrument temperature</source>
        <comment>225</comment>
        <translation>La température de l'air autour de la vanne en %s, au plus la température de l'instrument</translation>
    </message>
    <message>
        <source>The highest temperature the actuator and its instruments may reach, in %s</source>
        <comment>226</comment>
        <translation>La température la plus haute que l'actionneur et ses instruments peuvent atteindre, en %s</translation>
    </message>
    <message>
        <source>The value to convert, in %s</source>
        <comment>227</comment>
        <translation>La valeur à convertir, en %s</translation>
    </message>
    <message>
        <source>The converted value, in %s</source>
        <comment>228</comment>
        <translation>La valeur convertie, en %s</translation>
    </message>
    <message>
        <source>Text of at most %i characters</source>
        <comment>229</comment>
        <translation>Texte d'au plus %i caractères</translation>
    </message>
    <message>
        <source>Actuator: the double-acting model and its size</source>
        <comment>230</comment>
        <translation>Actionneur : le modèle double effet et sa taille</translation>
    </message>
    <message>
        <source>Torque: the actuator's output torque at the pressure entered</source>
        <comment>231</comment>
        <translation>Couple : le couple fourni par l'actionneur à la pression saisie</translation>
    </message>
    <message>
        <source>Actuator: the spring-return model and its size</source>
        <comment>232</comment>
        <translation>Actionneur : le modèle simple effet et sa taille</translation>
    </message>
    <message>
        <source>Air Start: torque of the air stroke at its start, springs extended</source>
        <comment>233</comment>
        <translation>Air début : couple de la course pneumatique à son début, ressorts détendus</translation>
    </message>
    <message>
        <source>Air End: torque of the air stroke at its end, springs compressed</source>
        <comment>234</comment>
        <translation>Air fin : couple de la course pneumatique à sa fin, ressorts comprimés</translation>
    </message>
    <message>
        <source>Spring Start: torque of the springs at the start of the spring stroke</source>
        <comment>235</comment>
        <translation>Ressort début : couple des ressorts au début de la course ressort</translation>
    </message>
    <message>
        <source>Spring End: torque of the springs at the end of the spring stroke</source>
        <comment>236</comment>
        <translation>Ressort fin : couple des ressorts à la fin de la course ressort</translation>
    </message>
    <message>
        <source>Spring Set: the number of springs fitted</source>
        <comment>237</comment>
        <translation>Jeu de ressorts : le nombre de ressorts montés</translation>
    </message>
    <message>
        <source>Torque: the valve's break torque as typed</source>
        <comment>238</comment>
        <translation>Couple : le couple de décollement de la vanne tel que saisi</translation>
    </message>
    <message>
        <source>Torque incl.SF: valve break torque × safety factor</source>
        <comment>239</comment>
        <translation>Couple incl.CS : couple de décollement de la vanne × coefficient de sécurité</translation>
    </message>
    <message>
        <source>Actuator: the first double-acting actuator that delivers this torque at the pressure entered</source>
        <comment>240</comment>
        <translation>Actionneur : le premier actionneur double effet qui fournit ce couple à la pression saisie</translation>
    </message>
    <message>
        <source>Break: valve break torque × safety factor</source>
        <comment>241</comment>
        <translation>Décollement : couple de décollement de la vanne × coefficient de sécurité</translation>
    </message>
    <message>
        <source>Run: valve break torque × safety factor × running factor</source>
        <comment>242</comment>
        <translation>Manœuvre : couple de décollement × coefficient de sécurité × coefficient de manœuvre</translation>
    </message>
    <message>
        <source>Seat: valve break torque × safety factor × seating factor</source>
        <comment>243</comment>
        <translation>Fermeture : couple de décollement × coefficient de sécurité × coefficient de fermeture</translation>
    </message>
    <message>
        <source>Actuator: the spring-return actuator whose four torques meet the valve's, with its spring set</source>
        <comment>244</comment>
        <translation>Actionneur : l'actionneur simple effet dont les quatre couples satisfont la vanne, avec son jeu de ressorts</translation>
    </message>
    <message>
        <source>Fail Action: FC closes the valve when the air fails, FO opens it</source>
        <comment>245</comment>
        <translation>Pos. sécurité : FMA ferme la vanne au manque d'air, OMA l'ouvre</translation>
    </message>
    <message>
        <source>Actuator: the first electric actuator whose break/seat and running torques meet the valve's</source>
        <comment>246</comment>
        <translation>Actionneur : le premier actionneur électrique dont les couples de décollement et de manœuvre suffisent</translation>
    </message>
    <message>
        <source>Size: the valve size from the database</source>
        <comment>247</comment>
        <translation>Taille : la taille de la vanne d'après la base de données</translation>
    </message>
    <message>
        <source>Torque: the valve's break torque from the database</source>
        <comment>248</comment>
        <translation>Couple : le couple de décollement de la vanne d'après la base de données</translation>
    </message>
    <message>
        <source>Actuator: the double-acting actuator for this size at the pressure entered</source>
        <comment>249</comment>
        <translation>Actionneur : l'actionneur double effet pour cette taille à la pression saisie</translation>
    </message>
    <message>
        <source>Actuator: the spring-return actuator for this size, with the spring set beside it</source>
        <comment>250</comment>
        <translation>Actionneur : l'actionneur simple effet pour cette taille, avec le jeu de ressorts à côté</translation>
    </message>
    <message>
        <source>Approximate Time: the time of one stroke through the pilot valve</source>
        <comment>251</comment>
        <translation>Temps approx. : la durée d'une course par l'électrovanne</translation>
    </message>
    <message>
        <source>Operation: the tank as filled, then each stroke made from it</source>
        <comment>252</comment>
        <translation>Manœuvre : le réservoir tel que rempli, puis chaque course faite avec lui</translation>
    </message>
    <message>
        <source>Pressure: the air pressure left in the tank</source>
        <comment>253</comment>
        <translation>Pression : la pression d'air restant dans le réservoir</translation>
    </message>
    <message>
        <source>Torque: the torque the actuator still delivers at that pressure</source>
        <comment>254</comment>
        <translation>Couple : le couple que l'actionneur fournit encore à cette pression</translation>
    </message>
    <message>
        <source>Torque: the torque on the shaft</source>
        <comment>255</comment>
        <translation>Couple : le couple sur l'arbre</translation>
    </message>
    <message>
        <source>Diameter: the shaft diameter</source>
        <comment>256</comment>
        <translation>Diamètre : le diamètre de l'arbre</translation>
    </message>
    <message>
        <source>Length: the shaft length</source>
        <comment>257</comment>
        <translation>Longueur : la longueur de l'arbre</translation>
    </message>
    <message>
        <source>Stress: the shear stress at the surface of the shaft</source>
        <comment>258</comment>
        <translation>Contrainte : la contrainte de cisaillement à la surface de l'arbre</translation>
    </message>
    <message>
        <source>Deflection: the angle the shaft twists over its length</source>
        <comment>259</comment>
        <translation>Déformation : l'angle dont l'arbre tourne sur sa longueur</translation>
    </message>
    <message>
        <source>air</source>
        <comment>260</comment>
        <translation>air</translation>
    </message>
    <message>
        <source>spring</source>
        <comment>261</comment>
        <translation>ressort</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <comment>262</comment>
        <translation>Enregistrer la &amp;liste</translation>
    </message>
    <message>
        <source>Replace the valve list %s with the edited one?</source>
        <comment>263</comment>
        <translation>Remplacer la liste de vannes %s par la liste modifiée ?</translation>
    </message>
    <message>
        <source>The list came as a workbook: it is saved as a new workbook of this sheet's cells, without styles or other sheets.</source>
        <comment>264</comment>
        <translation>Liste venue d'un classeur : enregistrée en nouveau classeur des cellules de cette feuille, sans styles ni autres feuilles.</translation>
    </message>
    <message>
        <source>Edited, not saved yet</source>
        <comment>265</comment>
        <translation>Modifié, pas encore enregistré</translation>
    </message>
    <message>
        <source>The list has edits that are not saved. Discard them?</source>
        <comment>266</comment>
        <translation>La liste a des modifications non enregistrées. Les abandonner ?</translation>
    </message>
    <message>
        <source>&amp;Recent</source>
        <comment>267</comment>
        <translation>&amp;Récentes</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <comment>268</comment>
        <translation>Feu&amp;ille :</translation>
    </message>
    <message>
        <source>Save the edited list as a new workbook</source>
        <comment>269</comment>
        <translation>Enregistrer la liste modifiée comme nouveau classeur</translation>
    </message>
    <message>
        <source>%s %s does not match this list's %s</source>
        <comment>270</comment>
        <translation>%s %s ne correspond pas au séparateur de cette liste : %s</translation>
    </message>
    <message>
        <source>%s %s is too large a number</source>
        <comment>271</comment>
        <translation>%s %s est un nombre trop grand</translation>
    </message>
    <message>
        <source>%s %s is not a number</source>
        <comment>272</comment>
        <translation>%s %s n'est pas un nombre</translation>
    </message>
    <message>
        <source>%s %s has a unit ('%s'); %s takes none</source>
        <comment>273</comment>
        <translation>%s %s a une unité ('%s') ; %s est sans unité</translation>
    </message>
    <message>
        <source>%s %s: the unit '%s' is not %s</source>
        <comment>274</comment>
        <translation>%s %s : l'unité '%s' n'est pas %s</translation>
    </message>
    <message>
        <source>%s empty: %s used (%s)</source>
        <comment>275</comment>
        <translation>%s vide : valeur utilisée %s (%s)</translation>
    </message>
    <message>
        <source>%s %s is not above 0</source>
        <comment>276</comment>
        <translation>%s %s : la valeur n'est pas supérieure à 0</translation>
    </message>
    <message>
        <source>Safety %s is below 1</source>
        <comment>277</comment>
        <translation>Sécurité %s inférieure à 1</translation>
    </message>
    <message>
        <source>the row has %s fields, the header %s</source>
        <comment>278</comment>
        <translation>la ligne a %s champs, l'en-tête %s</translation>
    </message>
    <message>
        <source>tag %s is also on line %s</source>
        <comment>279</comment>
        <translation>le tag %s figure aussi à la ligne %s</translation>
    </message>
    <message>
        <source>tag %s is also on lines %s</source>
        <comment>280</comment>
        <translation>le tag %s figure aussi aux lignes %s</translation>
    </message>
    <message>
        <source>%s and %s more</source>
        <comment>281</comment>
        <translation>%s et %s autres</translation>
    </message>
    <message>
        <source>Tag is empty</source>
        <comment>282</comment>
        <translation>Tag vide</translation>
    </message>
    <message>
        <source>Action %s is not DA, FC or FO</source>
        <comment>283</comment>
        <translation>Pos. sécurité %s n'est pas DA, FC ou FO</translation>
    </message>
    <message>
        <source>an electric actuator has no fail-safe action</source>
        <comment>284</comment>
        <translation>un actionneur électrique n'a pas de position de sécurité</translation>
    </message>
    <message>
        <source>Valve type %s is not Ball, Butterfly or Plug</source>
        <comment>285</comment>
        <translation>Type de vanne %s n'est pas Ball, Butterfly ou Plug</translation>
    </message>
    <message>
        <source>Torque is empty</source>
        <comment>286</comment>
        <translation>Couple vide</translation>
    </message>
    <message>
        <source>Series is empty</source>
        <comment>287</comment>
        <translation>Série vide</translation>
    </message>
    <message>
        <source>Size is empty</source>
        <comment>288</comment>
        <translation>Taille vide</translation>
    </message>
    <message>
        <source>Size %s not in series %s</source>
        <comment>289</comment>
        <translation>Taille %s absente de la série %s</translation>
    </message>
    <message>
        <source>series %s</source>
        <comment>290</comment>
        <translation>série %s</translation>
    </message>
    <message>
        <source>Pressure %s %s is outside %s</source>
        <comment>291</comment>
        <translation>Pression %s %s hors de la plage %s</translation>
    </message>
    <message>
        <source>Torque %s is too large: its demand is beyond any number</source>
        <comment>292</comment>
        <translation>Couple %s trop grand : son besoin dépasse tout nombre</translation>
    </message>
    <message>
        <source>ok</source>
        <comment>293</comment>
        <translation>ok</translation>
    </message>
    <message>
        <source>no fit</source>
        <comment>294</comment>
        <translation>aucun ne convient</translation>
    </message>
    <message>
        <source>no fit: %s</source>
        <comment>295</comment>
        <translation>aucun ne convient : %s</translation>
    </message>
    <message>
        <source>built in</source>
        <comment>296</comment>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>settings file %s</source>
        <comment>297</comment>
        <translation>fichier de réglages %s</translation>
    </message>
    <message>
        <source>option --pressure</source>
        <comment>298</comment>
        <translation>option --pressure</translation>
    </message>
    <message>
        <source>ball valve</source>
        <comment>299</comment>
        <translation>vanne à bille</translation>
    </message>
    <message>
        <source>butterfly valve</source>
        <comment>300</comment>
        <translation>vanne papillon</translation>
    </message>
    <message>
        <source>plug valve</source>
        <comment>301</comment>
        <translation>vanne à boisseau</translation>
    </message>
    <message>
        <source>decimal point</source>
        <comment>302</comment>
        <translation>point décimal</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <comment>303</comment>
        <translation>virgule décimale</translation>
    </message>
    <message>
        <source>Series %s: no valve database is in use</source>
        <comment>304</comment>
        <translation>Série %s : aucune base de vannes n'est utilisée</translation>
    </message>
    <message>
        <source>Series %s is in %s valve databases, %s; a series must be in one</source>
        <comment>305</comment>
        <translation>Série %s figure dans %s bases de vannes, %s ; une série doit figurer dans une seule</translation>
    </message>
    <message>
        <source>Series %s: the valve database %s does not read cleanly</source>
        <comment>306</comment>
        <translation>Série %s : la base de vannes %s ne se lit pas sans erreur</translation>
    </message>
    <message>
        <source>Series %s not in the valve database %s</source>
        <comment>307</comment>
        <translation>Série %s absente de la base de vannes %s</translation>
    </message>
    <message>
        <source>Series %s not in the valve databases %s</source>
        <comment>308</comment>
        <translation>Série %s absente des bases de vannes %s</translation>
    </message>
    <message>
        <source>%s and %s</source>
        <comment>309</comment>
        <translation>%s et %s</translation>
    </message>
    <message>
        <source>%s cut to 32767 characters in this workbook</source>
        <comment>310</comment>
        <translation>%s : texte coupé à 32767 caractères dans ce classeur</translation>
    </message>
    <message>
        <source>Tag</source>
        <comment>311</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Action</source>
        <comment>312</comment>
        <translation>Pos. sécurité</translation>
    </message>
    <message>
        <source>Torque</source>
        <comment>313</comment>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Series</source>
        <comment>314</comment>
        <translation>Série</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>315</comment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Valve type</source>
        <comment>316</comment>
        <translation>Type de vanne</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>317</comment>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Seating</source>
        <comment>318</comment>
        <translation>Coef. fermeture</translation>
    </message>
    <message>
        <source>Running</source>
        <comment>319</comment>
        <translation>Coef. manœuvre</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>320</comment>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Ball</source>
        <comment>321</comment>
        <translation>Bille</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <comment>322</comment>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Plug</source>
        <comment>323</comment>
        <translation>Boisseau</translation>
    </message>
    <message>
        <source>Pressure used</source>
        <comment>324</comment>
        <translation>Pression utilisée</translation>
    </message>
    <message>
        <source>Valve type used</source>
        <comment>325</comment>
        <translation>Type de vanne utilisé</translation>
    </message>
    <message>
        <source>Safety used</source>
        <comment>326</comment>
        <translation>Sécurité utilisée</translation>
    </message>
    <message>
        <source>Seating used</source>
        <comment>327</comment>
        <translation>Coef. fermeture utilisé</translation>
    </message>
    <message>
        <source>Running used</source>
        <comment>328</comment>
        <translation>Coef. manœuvre utilisé</translation>
    </message>
    <message>
        <source>Break</source>
        <comment>329</comment>
        <translation>Décollement</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>330</comment>
        <translation>Manœuvre</translation>
    </message>
    <message>
        <source>Seat</source>
        <comment>331</comment>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Actuator</source>
        <comment>332</comment>
        <translation>Actionneur</translation>
    </message>
    <message>
        <source>Spring set</source>
        <comment>333</comment>
        <translation>Jeu de ressorts</translation>
    </message>
    <message>
        <source>Air start</source>
        <comment>334</comment>
        <translation>Air début</translation>
    </message>
    <message>
        <source>Air end</source>
        <comment>335</comment>
        <translation>Air fin</translation>
    </message>
    <message>
        <source>Spring start</source>
        <comment>336</comment>
        <translation>Ressort début</translation>
    </message>
    <message>
        <source>Spring end</source>
        <comment>337</comment>
        <translation>Ressort fin</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>338</comment>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Break/Seat</source>
        <comment>339</comment>
        <translation>Décollement/fermeture</translation>
    </message>
    <message>
        <source>Actuator run</source>
        <comment>340</comment>
        <translation>Manœuvre actionneur</translation>
    </message>
    <message>
        <source>Margin</source>
        <comment>341</comment>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>342</comment>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>343</comment>
        <translation>État</translation>
    </message>
    <message>
        <source>MAST</source>
        <comment>344</comment>
        <translation>MAST</translation>
    </message>
    <message>
        <source>Pressure max</source>
        <comment>345</comment>
        <translation>Pression max</translation>
    </message>
    <message>
        <source>Cycles per hour</source>
        <comment>346</comment>
        <translation>Cycles par heure</translation>
    </message>
    <message>
        <source>Kv</source>
        <comment>347</comment>
        <translation>Kv</translation>
    </message>
    <message>
        <source>Stroke time max</source>
        <comment>348</comment>
        <translation>Temps de manœuvre max</translation>
    </message>
    <message>
        <source>Max output</source>
        <comment>349</comment>
        <translation>Sortie max.</translation>
    </message>
    <message>
        <source>MAST margin</source>
        <comment>350</comment>
        <translation>Marge MAST</translation>
    </message>
    <message>
        <source>Air per cycle</source>
        <comment>351</comment>
        <translation>Air par cycle</translation>
    </message>
    <message>
        <source>Air per hour</source>
        <comment>352</comment>
        <translation>Air par heure</translation>
    </message>
    <message>
        <source>Stroke time [s]</source>
        <comment>353</comment>
        <translation>Temps de manœuvre [s]</translation>
    </message>
    <message>
        <source>check failed: %s</source>
        <comment>354</comment>
        <translation>contrôle échoué : %s</translation>
    </message>
    <message>
        <source>%s delivers %s at %s, above the valve's MAST of %s</source>
        <comment>355</comment>
        <translation>%s fournit %s à %s, au-dessus du MAST de la vanne de %s</translation>
    </message>
    <message>
        <source>%s delivers %s, above the valve's MAST of %s</source>
        <comment>356</comment>
        <translation>%s fournit %s, au-dessus du MAST de la vanne de %s</translation>
    </message>
    <message>
        <source>%s strokes in %s s, slower than the Stroke time max of %s s</source>
        <comment>357</comment>
        <translation>%s manœuvre en %s s, plus lent que le temps de manœuvre max de %s s</translation>
    </message>
    <message>
        <source>Pressure max %s %s is outside %s</source>
        <comment>358</comment>
        <translation>Pression max %s %s hors de %s</translation>
    </message>
    <message>
        <source>Pressure max %s is below the sizing pressure %s</source>
        <comment>359</comment>
        <translation>Pression max %s inférieure à la pression de dimensionnement %s</translation>
    </message>
    <message>
        <source>the row's Pressure</source>
        <comment>360</comment>
        <translation>la pression de la ligne</translation>
    </message>
    <message>
        <source>Stroke time max %s s not checked: the row gives no Kv</source>
        <comment>361</comment>
        <translation>Temps de manœuvre max %s s non contrôlé : la ligne ne donne pas de Kv</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment>362</comment>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Section</source>
        <comment>363</comment>
        <translation>Section</translation>
    </message>
    <message>
        <source>Item</source>
        <comment>364</comment>
        <translation>Article</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>365</comment>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>366</comment>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Bill of materials</source>
        <comment>367</comment>
        <translation>Nomenclature</translation>
    </message>
    <message>
        <source>Rows</source>
        <comment>368</comment>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>check failed</source>
        <comment>369</comment>
        <translation>contrôle échoué</translation>
    </message>
    <message>
        <source>error</source>
        <comment>370</comment>
        <translation>erreur</translation>
    </message>
    <message>
        <source>with warnings</source>
        <comment>371</comment>
        <translation>avec avertissements</translation>
    </message>
    <message>
        <source>Air</source>
        <comment>372</comment>
        <translation>Air</translation>
    </message>
    <message>
        <source>Margins</source>
        <comment>373</comment>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Smallest margin</source>
        <comment>374</comment>
        <translation>Marge la plus faible</translation>
    </message>
    <message>
        <source>Smallest MAST margin</source>
        <comment>375</comment>
        <translation>Marge MAST la plus faible</translation>
    </message>
    <message>
        <source>There was an error during reading the Valve File. The file could not be opened or the file is not available.</source>
        <comment>500</comment>
        <translation>Erreur lors de la lecture du fichier de vannes. Le fichier n'a pas pu être ouvert ou est absent.</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <comment>501</comment>
        <translation>Fiche technique</translation>
    </message>
    <message>
        <source>MAST %s</source>
        <comment>380</comment>
        <translation>MAST %s</translation>
    </message>
    <message>
        <source>Air at %s</source>
        <comment>381</comment>
        <translation>Air à %s</translation>
    </message>
    <message>
        <source>Datasheet package</source>
        <comment>382</comment>
        <translation>Dossier de fiches techniques</translation>
    </message>
    <message>
        <source>Project</source>
        <comment>383</comment>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Customer</source>
        <comment>384</comment>
        <translation>Client</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>385</comment>
        <translation>Document</translation>
    </message>
    <message>
        <source>Revision</source>
        <comment>386</comment>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Engineer</source>
        <comment>387</comment>
        <translation>Ingénieur</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>388</comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <comment>389</comment>
        <translation>Page %s sur %s</translation>
    </message>
    <message>
        <source>Valve</source>
        <comment>390</comment>
        <translation>Vanne</translation>
    </message>
    <message>
        <source>Operating conditions</source>
        <comment>391</comment>
        <translation>Conditions de service</translation>
    </message>
    <message>
        <source>Selection</source>
        <comment>392</comment>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Torques</source>
        <comment>393</comment>
        <translation>Couples</translation>
    </message>
    <message>
        <source>Checks</source>
        <comment>394</comment>
        <translation>Contrôles</translation>
    </message>
    <message>
        <source>Torque chart</source>
        <comment>395</comment>
        <translation>Diagramme des couples</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>396</comment>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Not sized</source>
        <comment>397</comment>
        <translation>Non dimensionné</translation>
    </message>
    <message>
        <source>Pass</source>
        <comment>398</comment>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Fail</source>
        <comment>399</comment>
        <translation>Non conforme</translation>
    </message>
    <message>
        <source>Not checked</source>
        <comment>400</comment>
        <translation>Non contrôlé</translation>
    </message>
    <message>
        <source>Point</source>
        <comment>401</comment>
        <translation>Point</translation>
    </message>
    <message>
        <source>Demand [%s]</source>
        <comment>402</comment>
        <translation>Besoin [%s]</translation>
    </message>
    <message>
        <source>Delivered [%s]</source>
        <comment>403</comment>
        <translation>Fourni [%s]</translation>
    </message>
    <message>
        <source>Sizing pressure</source>
        <comment>404</comment>
        <translation>Pression de dimensionnement</translation>
    </message>
    <message>
        <source>Maximum pressure</source>
        <comment>405</comment>
        <translation>Pression maximale</translation>
    </message>
    <message>
        <source>Stroke time</source>
        <comment>406</comment>
        <translation>Temps de manœuvre</translation>
    </message>
    <message>
        <source>List</source>
        <comment>407</comment>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Rows by status</source>
        <comment>409</comment>
        <translation>Lignes par état</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <comment>410</comment>
        <translation>Hypothèses</translation>
    </message>
    <message>
        <source>Page</source>
        <comment>411</comment>
        <translation>Page</translation>
    </message>
    <message>
        <source>Count</source>
        <comment>412</comment>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>%s valves of %s</source>
        <comment>413</comment>
        <translation>%s vannes de %s</translation>
    </message>
    <message>
        <source>%s at %s</source>
        <comment>414</comment>
        <translation>%s à %s</translation>
    </message>
    <message>
        <source>Weakest margin</source>
        <comment>415</comment>
        <translation>Marge la plus faible</translation>
    </message>
    <message>
        <source>%s more</source>
        <comment>416</comment>
        <translation>%s de plus</translation>
    </message>
    <message>
        <source>Actuator range</source>
        <comment>417</comment>
        <translation>Gamme d'actionneurs</translation>
    </message>
    <message>
        <source>Valve databases</source>
        <comment>418</comment>
        <translation>Bases de données de vannes</translation>
    </message>
    <message>
        <source>Kv value should be greater than zero !</source>
        <comment>600</comment>
        <translation>La valeur Kv doit être supérieure à zéro !</translation>
    </message>
    <message>
        <source>Actuator Sizing</source>
        <comment>601</comment>
        <translation>Dimensionnement actionneur</translation>
    </message>
    <message>
        <source>Access About</source>
        <comment>2008</comment>
        <translation>Afficher « À propos »</translation>
    </message>
    <message>
        <source>About the Sizing &amp; Engineering application</source>
        <comment>2009</comment>
        <translation>À propos de l'application Dimensionnement &amp; Ingénierie</translation>
    </message>
    <message>
        <source>Enter the double acting torque screen</source>
        <comment>10101</comment>
        <translation>Ouvre l'écran des couples double effet</translation>
    </message>
    <message>
        <source>Enter the spring return torque screen</source>
        <comment>10102</comment>
        <translation>Ouvre l'écran des couples simple effet</translation>
    </message>
    <message>
        <source>Enter the double acting sizing screen</source>
        <comment>10103</comment>
        <translation>Ouvre l'écran de dimensionnement double effet</translation>
    </message>
    <message>
        <source>Enter the spring return sizing screen</source>
        <comment>10104</comment>
        <translation>Ouvre l'écran de dimensionnement simple effet</translation>
    </message>
    <message>
        <source>Enter the database sizing screen</source>
        <comment>10106</comment>
        <translation>Ouvre l'écran de dimensionnement par base de données</translation>
    </message>
    <message>
        <source>Edit the valve torque database</source>
        <comment>10107</comment>
        <translation>Modifie la base de données des couples de vannes</translation>
    </message>
    <message>
        <source>Calculation of the distance for hotline actuators</source>
        <comment>10108</comment>
        <translation>Calcul de la distance pour les actionneurs sur conduites chaudes</translation>
    </message>
    <message>
        <source>Calulation of the actuator speed</source>
        <comment>10109</comment>
        <translation>Calcul de la vitesse de l'actionneur</translation>
    </message>
    <message>
        <source>Calculation for airtank capacity</source>
        <comment>10110</comment>
        <translation>Calcul de la capacité du réservoir d'air</translation>
    </message>
    <message>
        <source>Calculation for torsion</source>
        <comment>10111</comment>
        <translation>Calcul de la torsion</translation>
    </message>
    <message>
        <source>Changes the note which is printed in the datasheet</source>
        <comment>10113</comment>
        <translation>Modifie la note imprimée sur la fiche technique</translation>
    </message>
    <message>
        <source>Application Setup of standard settings</source>
        <comment>10114</comment>
        <translation>Configuration des paramètres par défaut de l'application</translation>
    </message>
    <message>
        <source>Size every valve of a valve list, then export it or make its datasheets</source>
        <comment>10124</comment>
        <translation>Dimensionne chaque vanne d'une liste de vannes, pour l'exporter ou en faire les fiches techniques</translation>
    </message>
    <message>
        <source>Enter the actuator sizing screen</source>
        <comment>10401</comment>
        <translation>Ouvre l'écran de dimensionnement des actionneurs</translation>
    </message>
    <message>
        <source>Enter the database sizing screen</source>
        <comment>10402</comment>
        <translation>Ouvre l'écran de dimensionnement par base de données</translation>
    </message>
    <message>
        <source>Edit the valve torque database</source>
        <comment>10403</comment>
        <translation>Modifie la base de données des couples de vannes</translation>
    </message>
    <message>
        <source>Size every valve of a valve list, then export it or make its datasheets</source>
        <comment>10404</comment>
        <translation>Dimensionne chaque vanne d'une liste de vannes, pour l'exporter ou en faire les fiches techniques</translation>
    </message>
    <message>
        <source>Quits Sizing &amp; Engineering</source>
        <comment>24310</comment>
        <translation>Quitte l'application Dimensionnement &amp; Ingénierie</translation>
    </message>
    <message>
        <source>Setup this document print characteristics</source>
        <comment>24338</comment>
        <translation>Configure les paramètres d'impression de ce document</translation>
    </message>
</context>
<context>
    <name>VnMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configuration de l'&amp;impression...</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Quitter	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>C&amp;onversions</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>&amp;Pression</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>&amp;Couple</translation>
    </message>
    <message>
        <source>&amp;1  Nm &amp;&amp; lb.in</source>
        <translation>&amp;1  Nm &amp;&amp; lb.in</translation>
    </message>
    <message>
        <source>&amp;2  Nm &amp;&amp; lb.ft</source>
        <translation>&amp;2  Nm &amp;&amp; lb.ft</translation>
    </message>
    <message>
        <source>&amp;3  Kg.m &amp;&amp; lb.in</source>
        <translation>&amp;3  Kg.m &amp;&amp; lb.in</translation>
    </message>
    <message>
        <source>&amp;4  Kg.m &amp;&amp; lb.ft</source>
        <translation>&amp;4  Kg.m &amp;&amp; lb.ft</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Longueur</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>P&amp;oids</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Température</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Guide de l'utilisateur	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Sizing</source>
        <translation>&amp;Dimensionnement</translation>
    </message>
    <message>
        <source>&amp;Actuator Sizing</source>
        <translation>&amp;Dimensionnement actionneur</translation>
    </message>
    <message>
        <source>&amp;Valve List...</source>
        <translation>&amp;Liste de vannes...</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Base de données</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Engineering</source>
        <translation>&amp;Ingénierie</translation>
    </message>
    <message>
        <source>&amp;Hot Line Actuators</source>
        <translation>Actionneurs sur conduites &amp;chaudes</translation>
    </message>
    <message>
        <source>&amp;Torsion</source>
        <translation>&amp;Torsion</translation>
    </message>
    <message>
        <source>&amp;Double Acting</source>
        <translation>&amp;Double effet</translation>
    </message>
    <message>
        <source>&amp;Spring Return</source>
        <translation>&amp;Simple effet</translation>
    </message>
    <message>
        <source>&amp;Actuator Speed</source>
        <translation>&amp;Vitesse de l'actionneur</translation>
    </message>
    <message>
        <source>Air Tank &amp;Capacity</source>
        <translation>Capacité du &amp;réservoir d'air</translation>
    </message>
</context>
<context>
    <name>VnVersion</name>
    <message>
        <source>ProductNameKAV</source>
        <translation>Varnox Actionneurs pneumatiques</translation>
    </message>
    <message>
        <source>ProductVersionKAV</source>
        <translation>(Français)</translation>
    </message>
    <message>
        <source>ProductNameQU</source>
        <translation>Varnox Actionneurs électriques</translation>
    </message>
    <message>
        <source>ProductVersionQU</source>
        <translation>(Français)</translation>
    </message>
    <message>
        <source>LegalCopyright</source>
        <translation>Copyright © 2026 Varnox Engineering. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
