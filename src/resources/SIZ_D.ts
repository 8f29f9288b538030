<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>VnAboutDlg</name>
    <message>
        <source>About the Sizing Application</source>
        <translation>Über das Auslegungsprogramm</translation>
    </message>
    <message>
        <source>Varnox - Sizing &amp; Engineering</source>
        <translation>Varnox - Auslegung &amp; Technik</translation>
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
        <translation>Druck</translation>
    </message>
    <message>
        <source>Flow Coëfficient</source>
        <translation>Durchflusskoeffizient</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;In Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>VnAirTankDialog</name>
    <message>
        <source>Actuator</source>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Tank Size</source>
        <translation>Behältergröße</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Schaltspiele</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;In Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>VnConvertDialog</name>
    <message>
        <source>Convert Dialog</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>&amp;Direction</source>
        <translation>&amp;Richtung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>VnDBaseEditDlg</name>
    <message>
        <source>Database Edit</source>
        <translation>Datenbank bearbeiten</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Append page</source>
        <translation>Seite &amp;anhängen</translation>
    </message>
    <message>
        <source>&amp;Delete page</source>
        <translation>Seite &amp;löschen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Valve</source>
        <translation>Armatur</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>Sicherheitsfaktor</translation>
    </message>
    <message>
        <source>Drawing nr</source>
        <translation>Zeichnungsnr.</translation>
    </message>
    <message>
        <source>Seat Factor</source>
        <translation>Schließfaktor</translation>
    </message>
    <message>
        <source>Data date</source>
        <translation>Datenstand</translation>
    </message>
    <message>
        <source>Run Factor</source>
        <translation>Lauffaktor</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>A&amp;ppend size</source>
        <translation>&amp;Größe anhängen</translation>
    </message>
    <message>
        <source>De&amp;lete size</source>
        <translation>Größe &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>VnDatabaseSizingDialog</name>
    <message>
        <source>Safe&amp;ty factor:</source>
        <translation>Sicherheits&amp;faktor:</translation>
    </message>
    <message>
        <source>Seating factor:</source>
        <translation>Schließfaktor:</translation>
    </message>
    <message>
        <source>Running factor:</source>
        <translation>Lauffaktor:</translation>
    </message>
    <message>
        <source>Fail &amp;action:</source>
        <translation>Sicherheitss&amp;tellung:</translation>
    </message>
    <message>
        <source>Select &amp;Valve</source>
        <translation>&amp;Armatur wählen</translation>
    </message>
    <message>
        <source>&amp;Sizing</source>
        <translation>Aus&amp;legen</translation>
    </message>
    <message>
        <source>Pa&amp;ge:</source>
        <translation>&amp;Seite:</translation>
    </message>
    <message>
        <source>Valve database</source>
        <translation>Armaturendatenbank</translation>
    </message>
    <message>
        <source>Valve:</source>
        <translation>Armatur:</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>Sizes:</source>
        <translation>Größen:</translation>
    </message>
    <message>
        <source>Drawing Nr:</source>
        <translation>Zeichnungsnr.:</translation>
    </message>
    <message>
        <source>Data Date:</source>
        <translation>Datenstand:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Quelle:</translation>
    </message>
</context>
<context>
    <name>VnHotLineActuatorDialog</name>
    <message>
        <source>Hot Line Actuators</source>
        <translation>Antriebe an heißen Leitungen</translation>
    </message>
    <message>
        <source>Fluid Temperature</source>
        <translation>Medientemperatur</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Maximum Instrument Temperature</source>
        <translation>Maximale Instrumententemperatur</translation>
    </message>
    <message>
        <source>Note: Height is from the surface of the pipe to the nearest point on the actuator.</source>
        <translation>Hinweis: Die Höhe gilt von der Rohroberfläche bis zum nächstgelegenen Punkt des Antriebs.</translation>
    </message>
    <message>
        <source>Calculation Result</source>
        <translation>Berechnungsergebnis</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;In Datei</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>VnNoteInputDialog</name>
    <message>
        <source>Note Input</source>
        <translation>Notiz eingeben</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>VnSetup</name>
    <message>
        <source>Pneumatic Sizing &amp; Engineering Application Setup</source>
        <translation>Einstellungen Pneumatische Auslegung &amp; Technik</translation>
    </message>
    <message>
        <source>Electric Sizing &amp; Engineering Application Setup</source>
        <translation>Einstellungen Elektrische Auslegung &amp; Technik</translation>
    </message>
    <message>
        <source>LanguageListEnabled</source>
        <translation>1</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Actuator file:</source>
        <translation>Antriebsdatei:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>Valve file:</source>
        <translation>Armaturendatei:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Einheiten:</translation>
    </message>
    <message>
        <source>&amp;Pressure:</source>
        <translation>D&amp;ruck:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>VnSizDoubleActingDlg</name>
    <message>
        <source>&amp;Safety factor:</source>
        <translation>&amp;Sicherheitsfaktor:</translation>
    </message>
    <message>
        <source>&amp;Torque:</source>
        <translation>Dreh&amp;moment:</translation>
    </message>
</context>
<context>
    <name>VnSizSpringReturnDlg</name>
    <message>
        <source>&amp;Valve type:</source>
        <translation>&amp;Armaturentyp:</translation>
    </message>
    <message>
        <source>&amp;Safety factor:</source>
        <translation>&amp;Sicherheitsfaktor:</translation>
    </message>
    <message>
        <source>Seat&amp;ing factor:</source>
        <translation>Schließ&amp;faktor:</translation>
    </message>
    <message>
        <source>&amp;Running factor:</source>
        <translation>&amp;Lauffaktor:</translation>
    </message>
    <message>
        <source>Fail &amp;action:</source>
        <translation>Sicherheitss&amp;tellung:</translation>
    </message>
    <message>
        <source>&amp;Torque:</source>
        <translation>Dreh&amp;moment:</translation>
    </message>
</context>
<context>
    <name>VnTorSizDlg</name>
    <message>
        <source>Press&amp;ure:</source>
        <translation>&amp;Druck:</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;In Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>VnTorSpringRetDlg</name>
    <message>
        <source>&amp;Add spring</source>
        <translation>Feder &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Spring</source>
        <translation>Feder &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>VnTorsionDialog</name>
    <message>
        <source>Calculations for Shaft Torsion</source>
        <translation>Torsionsberechnung für Wellen</translation>
    </message>
    <message>
        <source>Torque:</source>
        <translation>Drehmoment:</translation>
    </message>
    <message>
        <source>Shaft Diameter</source>
        <translation>Wellendurchmesser</translation>
    </message>
    <message>
        <source>Shaft Length</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;In Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>VnStrings</name>
    <message>
        <source>Opens an existing document</source>
        <comment>1</comment>
        <translation>Öffnet ein vorhandenes Dokument</translation>
    </message>
    <message>
        <source>Double Acting</source>
        <comment>2</comment>
        <translation>Doppeltwirkend</translation>
    </message>
    <message>
        <source>Spring Return</source>
        <comment>3</comment>
        <translation>Einfachwirkend</translation>
    </message>
    <message>
        <source>Default Valve</source>
        <comment>4</comment>
        <translation>Standardarmatur</translation>
    </message>
    <message>
        <source>Other Valve</source>
        <comment>5</comment>
        <translation>Andere Armatur</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>6</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Hot Line Actuators</source>
        <comment>7</comment>
        <translation>Antriebe an heißen Leitungen</translation>
    </message>
    <message>
        <source>Actuator Speed</source>
        <comment>8</comment>
        <translation>Antriebsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Air Tank Capacity</source>
        <comment>9</comment>
        <translation>Kapazität Druckluftbehälter</translation>
    </message>
    <message>
        <source>Torsion</source>
        <comment>10</comment>
        <translation>Torsion</translation>
    </message>
    <message>
        <source>Conversions</source>
        <comment>11</comment>
        <translation>Umrechnungen</translation>
    </message>
    <message>
        <source>Varnox  Pneumatic Engineering &amp; Sizing</source>
        <comment>12</comment>
        <translation>Varnox  Pneumatische Auslegung &amp; Technik</translation>
    </message>
    <message>
        <source>Torque</source>
        <comment>13</comment>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>too low</source>
        <comment>14</comment>
        <translation>zu niedrig</translation>
    </message>
    <message>
        <source>too high</source>
        <comment>15</comment>
        <translation>zu hoch</translation>
    </message>
    <message>
        <source>English</source>
        <comment>16</comment>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <comment>17</comment>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>German</source>
        <comment>18</comment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <comment>19</comment>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>An error occurred...</source>
        <comment>20</comment>
        <translation>Ein Fehler ist aufgetreten...</translation>
    </message>
    <message>
        <source>I could not find language module %s. Please select another language.</source>
        <comment>21</comment>
        <translation>Das Sprachmodul %s wurde nicht gefunden. Bitte wählen Sie eine andere Sprache.</translation>
    </message>
    <message>
        <source>Select  Actuator File</source>
        <comment>22</comment>
        <translation>Antriebsdatei auswählen</translation>
    </message>
    <message>
        <source>Select Valve File</source>
        <comment>23</comment>
        <translation>Armaturendatei auswählen</translation>
    </message>
    <message>
        <source>Metric</source>
        <comment>24</comment>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial</source>
        <comment>25</comment>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>The input for pressure is not correct. Please enter a value between 2 and 10 Bar.</source>
        <comment>26</comment>
        <translation>Die Druckeingabe ist nicht korrekt. Bitte geben Sie einen Wert zwischen 2 und 10 bar ein.</translation>
    </message>
    <message>
        <source>Sizing</source>
        <comment>27</comment>
        <translation>Auslegung</translation>
    </message>
    <message>
        <source>Butterfly Valve</source>
        <comment>28</comment>
        <translation>Absperrklappe</translation>
    </message>
    <message>
        <source>Ball Valve</source>
        <comment>29</comment>
        <translation>Kugelhahn</translation>
    </message>
    <message>
        <source>Plug Valve</source>
        <comment>30</comment>
        <translation>Kükenhahn</translation>
    </message>
    <message>
        <source>FC</source>
        <comment>31</comment>
        <translation>ZU</translation>
    </message>
    <message>
        <source>  FO</source>
        <comment>32</comment>
        <translation>  AUF</translation>
    </message>
    <message>
        <source>Fail Open</source>
        <comment>33</comment>
        <translation>Federöffnend</translation>
    </message>
    <message>
        <source>Fail Close</source>
        <comment>34</comment>
        <translation>Federschließend</translation>
    </message>
    <message>
        <source>Added</source>
        <comment>35</comment>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Removed</source>
        <comment>36</comment>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>Air Start</source>
        <comment>37</comment>
        <translation>Luft Hubanfang</translation>
    </message>
    <message>
        <source>Air End</source>
        <comment>38</comment>
        <translation>Luft Hubende</translation>
    </message>
    <message>
        <source>Spring Start</source>
        <comment>39</comment>
        <translation>Feder Hubanfang</translation>
    </message>
    <message>
        <source>Spring End</source>
        <comment>40</comment>
        <translation>Feder Hubende</translation>
    </message>
    <message>
        <source>Spring Set</source>
        <comment>41</comment>
        <translation>Federsatz</translation>
    </message>
    <message>
        <source>Actuator</source>
        <comment>42</comment>
        <translation>Antrieb</translation>
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
        <translation>Sich.-Stellung</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>48</comment>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Factor</source>
        <comment>49</comment>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <comment>50</comment>
        <translation>Sicherh.-Faktor</translation>
    </message>
    <message>
        <source>incl.SF</source>
        <comment>51</comment>
        <translation>inkl.SF</translation>
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
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>55</comment>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Temperature</source>
        <comment>56</comment>
        <translation>Temperatur</translation>
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
        <translation>Zoll</translation>
    </message>
    <message>
        <source>liter</source>
        <comment>61</comment>
        <translation>Liter</translation>
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
        <translation>Länge</translation>
    </message>
    <message>
        <source>Weight</source>
        <comment>66</comment>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>67</comment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Ambient temperature is higher than the instrument temperature.</source>
        <comment>68</comment>
        <translation>Die Umgebungstemperatur ist höher als die Instrumententemperatur.</translation>
    </message>
    <message>
        <source>Please enter new data and calculate again.</source>
        <comment>69</comment>
        <translation>Bitte geben Sie neue Daten ein und berechnen Sie erneut.</translation>
    </message>
    <message>
        <source>No problem!  Use standard mounting.</source>
        <comment>70</comment>
        <translation>Kein Problem!  Standardmontage verwenden.</translation>
    </message>
    <message>
        <source>Fluid temperature is too high.</source>
        <comment>71</comment>
        <translation>Die Medientemperatur ist zu hoch.</translation>
    </message>
    <message>
        <source>Heat loss is too high.</source>
        <comment>72</comment>
        <translation>Der Wärmeverlust ist zu hoch.</translation>
    </message>
    <message>
        <source>The distance between the actuator and the pipe  =  %.2f %s</source>
        <comment>73</comment>
        <translation>Der Abstand zwischen Antrieb und Rohrleitung  =  %.2f %s</translation>
    </message>
    <message>
        <source>No fluid temperature available</source>
        <comment>74</comment>
        <translation>Keine Medientemperatur eingegeben</translation>
    </message>
    <message>
        <source>No ambient temperature available</source>
        <comment>75</comment>
        <translation>Keine Umgebungstemperatur eingegeben</translation>
    </message>
    <message>
        <source>No instrument temperature available</source>
        <comment>76</comment>
        <translation>Keine Instrumententemperatur eingegeben</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>77</comment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>sec</source>
        <comment>78</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>79</comment>
        <translation>Geschwindigkeit</translation>
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
        <translation>Luftbehälter</translation>
    </message>
    <message>
        <source>Calculations</source>
        <comment>83</comment>
        <translation>Berechnungen</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>84</comment>
        <translation>Schaltspiel</translation>
    </message>
    <message>
        <source>Initial</source>
        <comment>85</comment>
        <translation>Anfang</translation>
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
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>89</comment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Diameter</source>
        <comment>90</comment>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Deflection</source>
        <comment>91</comment>
        <translation>Verdrehung</translation>
    </message>
    <message>
        <source>Ambient</source>
        <comment>92</comment>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>Fluid</source>
        <comment>93</comment>
        <translation>Medium</translation>
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
        <translation>Antriebe an heißen Leitungen</translation>
    </message>
    <message>
        <source>Calculation Result</source>
        <comment>97</comment>
        <translation>Berechnungsergebnis</translation>
    </message>
    <message>
        <source>Database</source>
        <comment>98</comment>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>99</comment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>of</source>
        <comment>100</comment>
        <translation>von</translation>
    </message>
    <message>
        <source>There was an error during reading the Valve file, Continuing with old file.</source>
        <comment>101</comment>
        <translation>Beim Lesen der Armaturendatei ist ein Fehler aufgetreten. Die bisherige Datei bleibt geladen.</translation>
    </message>
    <message>
        <source>Enter or Selecr Valve File</source>
        <comment>102</comment>
        <translation>Armaturendatei eingeben oder auswählen</translation>
    </message>
    <message>
        <source>Appoximate Time</source>
        <comment>103</comment>
        <translation>Ca. Stellzeit</translation>
    </message>
    <message>
        <source>There was an error during reading the Actuator file. The file could not be opened or the file is not available.</source>
        <comment>104</comment>
        <translation>Fehler beim Lesen der Antriebsdatei. Die Datei konnte nicht geöffnet werden oder ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Should the notes be added to the datasheet?</source>
        <comment>105</comment>
        <translation>Sollen die Notizen in das Datenblatt übernommen werden?</translation>
    </message>
    <message>
        <source>Valve Type</source>
        <comment>106</comment>
        <translation>Armaturentyp</translation>
    </message>
    <message>
        <source>Note:</source>
        <comment>107</comment>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Seating Factor</source>
        <comment>108</comment>
        <translation>Schließfaktor</translation>
    </message>
    <message>
        <source>Running Factor</source>
        <comment>109</comment>
        <translation>Lauffaktor</translation>
    </message>
    <message>
        <source>Varnox Electric Engineering &amp; Sizing</source>
        <comment>110</comment>
        <translation>Varnox Elektrische Auslegung &amp; Technik</translation>
    </message>
    <message>
        <source>Break</source>
        <comment>111</comment>
        <translation>Losbrechmoment</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>112</comment>
        <translation>Laufmoment</translation>
    </message>
    <message>
        <source>The selected files from your settings could not be loaded. Please check the settings for correct filenames.</source>
        <comment>113</comment>
        <translation>Die Dateien aus Ihren Einstellungen konnten nicht geladen werden. Bitte prüfen Sie die Dateinamen.</translation>
    </message>
    <message>
        <source>Height</source>
        <comment>114</comment>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Result:</source>
        <comment>115</comment>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Pilot Valve</source>
        <comment>116</comment>
        <translation>Magnetventil</translation>
    </message>
    <message>
        <source>Operations</source>
        <comment>117</comment>
        <translation>Schaltspiele</translation>
    </message>
    <message>
        <source>Tank Size</source>
        <comment>118</comment>
        <translation>Behältergröße</translation>
    </message>
    <message>
        <source>Torsion in circulair shafts</source>
        <comment>119</comment>
        <translation>Torsion in runden Wellen</translation>
    </message>
    <message>
        <source>Sizing data for:</source>
        <comment>120</comment>
        <translation>Daten zur Auslegung:</translation>
    </message>
    <message>
        <source>Spring</source>
        <comment>121</comment>
        <translation>Feder</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>122</comment>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Select textfile for output</source>
        <comment>123</comment>
        <translation>Textdatei für die Ausgabe wählen</translation>
    </message>
    <message>
        <source>Valve</source>
        <comment>124</comment>
        <translation>Armatur</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>125</comment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Fail</source>
        <comment>126</comment>
        <translation>Ausfall</translation>
    </message>
    <message>
        <source>Action</source>
        <comment>127</comment>
        <translation>Sich.-Stellung</translation>
    </message>
    <message>
        <source>Seat</source>
        <comment>128</comment>
        <translation>Schließmoment</translation>
    </message>
    <message>
        <source>End</source>
        <comment>129</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>The file name is longer than 99 characters. Please choose a file in a folder with a shorter path.</source>
        <comment>130</comment>
        <translation>Der Dateiname ist länger als 99 Zeichen. Bitte wählen Sie eine Datei in einem Ordner mit kürzerem Pfad.</translation>
    </message>
    <message>
        <source>The file %s could not be written. Please check the folder and the free disk space.</source>
        <comment>131</comment>
        <translation>Die Datei %s konnte nicht geschrieben werden. Bitte prüfen Sie den Ordner und den freien Speicherplatz.</translation>
    </message>
    <message>
        <source>The page %i &quot;%s&quot; has no sizes. Append a size to it or delete it, then save again.</source>
        <comment>132</comment>
        <translation>Seite %i &quot;%s&quot; hat keine Größen. Fügen Sie eine Größe hinzu oder löschen Sie die Seite; dann erneut speichern.</translation>
    </message>
    <message>
        <source>The valve database has changes that are not saved. Do you want to save them?</source>
        <comment>133</comment>
        <translation>Die Armaturendatenbank enthält ungespeicherte Änderungen. Möchten Sie diese speichern?</translation>
    </message>
    <message>
        <source>The valve database has no pages. Append a page with at least one size, then save again.</source>
        <comment>134</comment>
        <translation>Die Armaturendatenbank hat keine Seiten. Fügen Sie eine Seite mit mindestens einer Größe hinzu.</translation>
    </message>
    <message>
        <source>The file %s did not read completely. Saving replaces it with what the editor holds. Save anyway?</source>
        <comment>135</comment>
        <translation>Die Datei %s wurde nicht vollständig gelesen. Speichern ersetzt sie durch den Editorinhalt. Trotzdem?</translation>
    </message>
    <message>
        <source>The pasted text &quot;%s&quot; is not a number. The field is left as it was.</source>
        <comment>136</comment>
        <translation>Der eingefügte Text &quot;%s&quot; ist keine Zahl. Das Feld bleibt unverändert.</translation>
    </message>
    <message>
        <source>The pasted number &quot;%s&quot; does not fit: this field takes at most %i characters.</source>
        <comment>137</comment>
        <translation>Die eingefügte Zahl &quot;%s&quot; passt nicht: dieses Feld fasst höchstens %i Zeichen.</translation>
    </message>
    <message>
        <source>Valve List</source>
        <comment>138</comment>
        <translation>Armaturenliste</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>139</comment>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <comment>140</comment>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Datasheets...</source>
        <comment>141</comment>
        <translation>&amp;Datenblätter...</translation>
    </message>
    <message>
        <source>One &amp;PDF file...</source>
        <comment>142</comment>
        <translation>Eine &amp;PDF-Datei...</translation>
    </message>
    <message>
        <source>&amp;Text files in a folder...</source>
        <comment>143</comment>
        <translation>&amp;Textdateien in einem Ordner...</translation>
    </message>
    <message>
        <source>Select a valve list</source>
        <comment>144</comment>
        <translation>Armaturenliste auswählen</translation>
    </message>
    <message>
        <source>Export the sized list</source>
        <comment>145</comment>
        <translation>Ausgelegte Liste exportieren</translation>
    </message>
    <message>
        <source>Save the datasheets as one PDF file</source>
        <comment>146</comment>
        <translation>Datenblätter als eine PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Select the folder for the datasheets</source>
        <comment>147</comment>
        <translation>Ordner für die Datenblätter auswählen</translation>
    </message>
    <message>
        <source>Sizing the valve list...</source>
        <comment>148</comment>
        <translation>Die Armaturenliste wird ausgelegt...</translation>
    </message>
    <message>
        <source>Writing %s...</source>
        <comment>149</comment>
        <translation>%s wird geschrieben...</translation>
    </message>
    <message>
        <source>Making the datasheets...</source>
        <comment>150</comment>
        <translation>Die Datenblätter werden erstellt...</translation>
    </message>
    <message>
        <source>Rows: %i   Sized: %i   No fit: %i   Errors: %i</source>
        <comment>151</comment>
        <translation>Zeilen: %i   Ausgelegt: %i   Kein passender Antrieb: %i   Fehler: %i</translation>
    </message>
    <message>
        <source>Open a valve list (a CSV file with a Tag column) to size every valve in it.</source>
        <comment>152</comment>
        <translation>Öffnen Sie eine Armaturenliste (eine CSV-Datei mit einer Spalte Tag), um jede Armatur darin auszulegen.</translation>
    </message>
    <message>
        <source>The valve list %s could not be sized.</source>
        <comment>153</comment>
        <translation>Die Armaturenliste %s konnte nicht ausgelegt werden.</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <comment>154</comment>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Written: %s</source>
        <comment>155</comment>
        <translation>Geschrieben: %s</translation>
    </message>
    <message>
        <source>%i datasheets written to %s</source>
        <comment>156</comment>
        <translation>%i Datenblätter nach %s geschrieben</translation>
    </message>
    <message>
        <source>No row of the list was sized, so there is no datasheet to write.</source>
        <comment>157</comment>
        <translation>Keine Zeile der Liste wurde ausgelegt, daher gibt es kein Datenblatt zu schreiben.</translation>
    </message>
    <message>
        <source>Warnings: %i</source>
        <comment>158</comment>
        <translation>Warnungen: %i</translation>
    </message>
    <message>
        <source>The sized list cannot replace the valve list it was sized from (%s). Please choose another file name.</source>
        <comment>159</comment>
        <translation>Die ausgelegte Liste kann die Armaturenliste, aus der sie stammt (%s), nicht ersetzen. Wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>Col&amp;umns...</source>
        <comment>160</comment>
        <translation>&amp;Spalten...</translation>
    </message>
    <message>
        <source>Decimal &amp;mark:</source>
        <comment>161</comment>
        <translation>De&amp;zimaltrennzeichen:</translation>
    </message>
    <message>
        <source>As the list shows</source>
        <comment>162</comment>
        <translation>Wie in der Liste</translation>
    </message>
    <message>
        <source>Point (1,450.5)</source>
        <comment>163</comment>
        <translation>Punkt (1,450.5)</translation>
    </message>
    <message>
        <source>Comma (1.450,5)</source>
        <comment>164</comment>
        <translation>Komma (1.450,5)</translation>
    </message>
    <message>
        <source>Columns of the Valve List</source>
        <comment>165</comment>
        <translation>Spalten der Armaturenliste</translation>
    </message>
    <message>
        <source>Choose the column that holds each value. Only these are read; the others pass through. Kept for lists with this header line.</source>
        <comment>166</comment>
        <translation>Wählen Sie je Wert die Spalte. Nur diese Spalten werden gelesen; die übrigen bleiben unverändert. Gespeichert je Kopfzeile.</translation>
    </message>
    <message>
        <source>(no column)</source>
        <comment>167</comment>
        <translation>(keine Spalte)</translation>
    </message>
    <message>
        <source>Tag</source>
        <comment>168</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Series</source>
        <comment>169</comment>
        <translation>Baureihe</translation>
    </message>
    <message>
        <source>%i cells were longer than a workbook cell holds and were cut; the Warnings of their rows say so.</source>
        <comment>170</comment>
        <translation>%i Zellen waren länger, als eine Arbeitsmappenzelle fasst, und wurden gekürzt; die Warnungen ihrer Zeilen nennen es.</translation>
    </message>
    <message>
        <source>Valve data&amp;bases...</source>
        <comment>171</comment>
        <translation>Armaturendaten&amp;banken...</translation>
    </message>
    <message>
        <source>Valve Databases for Lists</source>
        <comment>172</comment>
        <translation>Armaturendatenbanken für Listen</translation>
    </message>
    <message>
        <source>A list's Series is looked up in every database here; the database of the settings comes first.</source>
        <comment>173</comment>
        <translation>Die Baureihe einer Liste wird in jeder Datenbank hier gesucht; die Datenbank der Einstellungen kommt zuerst.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <comment>174</comment>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <comment>175</comment>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>The valve database %s does not read completely, so it is not added.</source>
        <comment>176</comment>
        <translation>Die Armaturendatenbank %s lässt sich nicht vollständig lesen und wird daher nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>(settings)</source>
        <comment>177</comment>
        <translation>(Einstellungen)</translation>
    </message>
    <message>
        <source>Check failed: %i</source>
        <comment>178</comment>
        <translation>Prüfung nicht bestanden: %i</translation>
    </message>
    <message>
        <source>Pro&amp;ject...</source>
        <comment>179</comment>
        <translation>Pro&amp;jekt...</translation>
    </message>
    <message>
        <source>Stroke [°]</source>
        <comment>180</comment>
        <translation>Hub [°]</translation>
    </message>
    <message>
        <source>Closed</source>
        <comment>181</comment>
        <translation>Zu</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>182</comment>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Air stroke</source>
        <comment>183</comment>
        <translation>Lufthub</translation>
    </message>
    <message>
        <source>Spring stroke</source>
        <comment>184</comment>
        <translation>Federhub</translation>
    </message>
    <message>
        <source>Actuator output</source>
        <comment>185</comment>
        <translation>Antriebsmoment</translation>
    </message>
    <message>
        <source>Break/seat torque</source>
        <comment>186</comment>
        <translation>Losbrech-/Schließmoment</translation>
    </message>
    <message>
        <source>Running torque</source>
        <comment>187</comment>
        <translation>Laufmoment</translation>
    </message>
    <message>
        <source>Valve demand</source>
        <comment>188</comment>
        <translation>Bedarf der Armatur</translation>
    </message>
    <message>
        <source>No actuator fits: the valve's demands are shown alone.</source>
        <comment>189</comment>
        <translation>Kein Antrieb passt: nur der Bedarf der Armatur wird gezeigt.</translation>
    </message>
    <message>
        <source>Show c&amp;hart</source>
        <comment>190</comment>
        <translation>Dia&amp;gramm zeigen</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <comment>191</comment>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <comment>192</comment>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <comment>193</comment>
        <translation>Diagramm speichern...</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <comment>194</comment>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <comment>195</comment>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <comment>196</comment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Save the datasheet and its chart as PDF</source>
        <comment>197</comment>
        <translation>Datenblatt und Diagramm als PDF speichern</translation>
    </message>
    <message>
        <source>Save the chart as an image</source>
        <comment>198</comment>
        <translation>Diagramm als Bild speichern</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <comment>199</comment>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>Copy row</source>
        <comment>200</comment>
        <translation>Zeile kopieren</translation>
    </message>
    <message>
        <source>Copy table</source>
        <comment>201</comment>
        <translation>Tabelle kopieren</translation>
    </message>
    <message>
        <source>Opens the user guide in your web browser</source>
        <comment>202</comment>
        <translation>Öffnet das Benutzerhandbuch in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>The user guide was not found. The program looked for it here:
%s</source>
        <comment>203</comment>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Das Programm hat hier gesucht:
%s</translation>
    </message>
    <message>
        <source>The user guide %s could not be opened. Please open it in your web browser.</source>
        <comment>204</comment>
        <translation>Das Benutzerhandbuch %s konnte nicht geöffnet werden. Bitte öffnen Sie es in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>Saved %s</source>
        <comment>205</comment>
        <translation>%s gespeichert</translation>
    </message>
    <message>
        <source>The size %s is already on this page. Replace its torque? No adds a second line with the same size.</source>
        <comment>206</comment>
        <translation>Die Größe %s steht schon auf dieser Seite. Ihr Drehmoment ersetzen? Nein fügt eine zweite Zeile gleicher Größe an.</translation>
    </message>
    <message>
        <source>Supply pressure in bar: from 2 to 10 bar</source>
        <comment>210</comment>
        <translation>Versorgungsdruck in bar: von 2 bis 10 bar</translation>
    </message>
    <message>
        <source>Supply pressure in psi: from 29 to 145 psi</source>
        <comment>211</comment>
        <translation>Versorgungsdruck in psi: von 29 bis 145 psi</translation>
    </message>
    <message>
        <source>Safety factor, without unit, above 0: the valve's break torque is multiplied by it</source>
        <comment>212</comment>
        <translation>Sicherheitsfaktor, ohne Einheit, über 0: das Losbrechmoment der Armatur wird damit multipliziert</translation>
    </message>
    <message>
        <source>Seating factor, without unit, above 0: the seating torque is the break torque times this factor</source>
        <comment>213</comment>
        <translation>Schließfaktor, ohne Einheit, über 0: das Schließmoment ist das Losbrechmoment mal diesem Faktor</translation>
    </message>
    <message>
        <source>Running factor, without unit, above 0: the running torque is the break torque times this factor</source>
        <comment>214</comment>
        <translation>Lauffaktor, ohne Einheit, über 0: das Laufmoment ist das Losbrechmoment mal diesem Faktor</translation>
    </message>
    <message>
        <source>The valve's break torque in %s, above 0</source>
        <comment>215</comment>
        <translation>Das Losbrechmoment der Armatur in %s, über 0</translation>
    </message>
    <message>
        <source>Spring units added to or removed from each actuator's estimate: a whole number from 0 to 100</source>
        <comment>216</comment>
        <translation>Federeinheiten, die zur Schätzung jedes Antriebs hinzukommen oder wegfallen: eine ganze Zahl von 0 bis 100</translation>
    </message>
    <message>
        <source>The valve size as the database lists it, without unit, above 0</source>
        <comment>217</comment>
        <translation>Die Größe der Armatur, wie die Datenbank sie führt, ohne Einheit, über 0</translation>
    </message>
    <message>
        <source>The pilot valve's flow coefficient %s, above 0</source>
        <comment>218</comment>
        <translation>Der Durchflusskoeffizient %s des Magnetventils, über 0</translation>
    </message>
    <message>
        <source>The volume of the buffer tank in %s, above 0</source>
        <comment>219</comment>
        <translation>Das Volumen des Pufferbehälters in %s, über 0</translation>
    </message>
    <message>
        <source>The number of strokes made from the tank: a whole number from 0 to 999</source>
        <comment>220</comment>
        <translation>Die Zahl der Schaltspiele aus dem Behälter: eine ganze Zahl von 0 bis 999</translation>
    </message>
    <message>
        <source>The torque on the shaft in %s</source>
        <comment>221</comment>
        <translation>Das Drehmoment an der Welle in %s</translation>
    </message>
    <message>
        <source>The shaft diameter in %s, above 0</source>
        <comment>222</comment>
        <translation>Der Wellendurchmesser in %s, über 0</translation>
    </message>
    <message>
        <source>The shaft length in %s, above 0</source>
        <comment>223</comment>
        <translation>Die Wellenlänge in %s, über 0</translation>
    </message>
    <message>
        <source>The temperature of the fluid in the pipe in %s, at most 999 °C (1830 F)</source>
        <comment>224</comment>
        <translation>Die Temperatur des Mediums in der Leitung in %s, höchstens 999 °C (1830 F)</translation>
    </message>
    <message>
        <source>The temperature of the air around the valve in %s, at most the instrument temperature</source>
        <comment>225</comment>
        <translation>Die Temperatur der Luft um die Armatur in %s, höchstens die Instrumententemperatur</translation>
    </message>
    <message>
        <source>The highest temperature the actuator and its instruments may reach, in %s</source>
        <comment>226</comment>
        <translation>Die höchste Temperatur, die der Antrieb und seine Instrumente erreichen dürfen, in %s</translation>
    </message>
    <message>
        <source>The value to convert, in %s</source>
        <comment>227</comment>
        <translation>Der umzurechnende Wert, in %s</translation>
    </message>
    <message>
        <source>The converted value, in %s</source>
        <comment>228</comment>
        <translation>Der umgerechnete Wert, in %s</translation>
    </message>
    <message>
        <source>Text of at most %i characters</source>
        <comment>229</comment>
        <translation>Text mit höchstens %i Zeichen</translation>
    </message>
    <message>
        <source>Actuator: the double-acting model and its size</source>
        <comment>230</comment>
        <translation>Antrieb: das doppeltwirkende Modell und seine Größe</translation>
    </message>
    <message>
        <source>Torque: the actuator's output torque at the pressure entered</source>
        <comment>231</comment>
        <translation>Drehmoment: das abgegebene Moment des Antriebs beim eingegebenen Druck</translation>
    </message>
    <message>
        <source>Actuator: the spring-return model and its size</source>
        <comment>232</comment>
        <translation>Antrieb: das einfachwirkende Modell und seine Größe</translation>
    </message>
    <message>
        <source>Air Start: torque of the air stroke at its start, springs extended</source>
        <comment>233</comment>
        <translation>Luft Hubanfang: Moment des Lufthubs am Anfang, Federn entspannt</translation>
    </message>
    <message>
        <source>Air End: torque of the air stroke at its end, springs compressed</source>
        <comment>234</comment>
        <translation>Luft Hubende: Moment des Lufthubs am Ende, Federn gespannt</translation>
    </message>
    <message>
        <source>Spring Start: torque of the springs at the start of the spring stroke</source>
        <comment>235</comment>
        <translation>Feder Hubanfang: Moment der Federn am Anfang des Federhubs</translation>
    </message>
    <message>
        <source>Spring End: torque of the springs at the end of the spring stroke</source>
        <comment>236</comment>
        <translation>Feder Hubende: Moment der Federn am Ende des Federhubs</translation>
    </message>
    <message>
        <source>Spring Set: the number of springs fitted</source>
        <comment>237</comment>
        <translation>Federsatz: die Zahl der eingebauten Federn</translation>
    </message>
    <message>
        <source>Torque: the valve's break torque as typed</source>
        <comment>238</comment>
        <translation>Drehmoment: das Losbrechmoment der Armatur wie eingegeben</translation>
    </message>
    <message>
        <source>Torque incl.SF: valve break torque × safety factor</source>
        <comment>239</comment>
        <translation>Drehmoment inkl.SF: Losbrechmoment der Armatur × Sicherheitsfaktor</translation>
    </message>
    <message>
        <source>Actuator: the first double-acting actuator that delivers this torque at the pressure entered</source>
        <comment>240</comment>
        <translation>Antrieb: der erste doppeltwirkende Antrieb, der dieses Moment beim eingegebenen Druck liefert</translation>
    </message>
    <message>
        <source>Break: valve break torque × safety factor</source>
        <comment>241</comment>
        <translation>Losbrechmoment: Losbrechmoment der Armatur × Sicherheitsfaktor</translation>
    </message>
    <message>
        <source>Run: valve break torque × safety factor × running factor</source>
        <comment>242</comment>
        <translation>Laufmoment: Losbrechmoment × Sicherheitsfaktor × Lauffaktor</translation>
    </message>
    <message>
        <source>Seat: valve break torque × safety factor × seating factor</source>
        <comment>243</comment>
        <translation>Schließmoment: Losbrechmoment × Sicherheitsfaktor × Schließfaktor</translation>
    </message>
    <message>
        <source>Actuator: the spring-return actuator whose four torques meet the valve's, with its spring set</source>
        <comment>244</comment>
        <translation>Antrieb: der einfachwirkende Antrieb, dessen vier Momente die der Armatur erreichen, mit seinem Federsatz</translation>
    </message>
    <message>
        <source>Fail Action: FC closes the valve when the air fails, FO opens it</source>
        <comment>245</comment>
        <translation>Sich.-Stellung: ZU schließt die Armatur bei Luftausfall, AUF öffnet sie</translation>
    </message>
    <message>
        <source>Actuator: the first electric actuator whose break/seat and running torques meet the valve's</source>
        <comment>246</comment>
        <translation>Antrieb: der erste elektrische Antrieb, dessen Losbrech- und Laufmoment die der Armatur erreichen</translation>
    </message>
    <message>
        <source>Size: the valve size from the database</source>
        <comment>247</comment>
        <translation>Größe: die Größe der Armatur aus der Datenbank</translation>
    </message>
    <message>
        <source>Torque: the valve's break torque from the database</source>
        <comment>248</comment>
        <translation>Drehmoment: das Losbrechmoment der Armatur aus der Datenbank</translation>
    </message>
    <message>
        <source>Actuator: the double-acting actuator for this size at the pressure entered</source>
        <comment>249</comment>
        <translation>Antrieb: der doppeltwirkende Antrieb für diese Größe beim eingegebenen Druck</translation>
    </message>
    <message>
        <source>Actuator: the spring-return actuator for this size, with the spring set beside it</source>
        <comment>250</comment>
        <translation>Antrieb: der einfachwirkende Antrieb für diese Größe, mit dem Federsatz daneben</translation>
    </message>
    <message>
        <source>Approximate Time: the time of one stroke through the pilot valve</source>
        <comment>251</comment>
        <translation>Ca. Stellzeit: die Zeit eines Hubs über das Magnetventil</translation>
    </message>
    <message>
        <source>Operation: the tank as filled, then each stroke made from it</source>
        <comment>252</comment>
        <translation>Schaltspiel: der Behälter wie gefüllt, dann jedes Schaltspiel daraus</translation>
    </message>
    <message>
        <source>Pressure: the air pressure left in the tank</source>
        <comment>253</comment>
        <translation>Druck: der Luftdruck, der im Behälter bleibt</translation>
    </message>
    <message>
        <source>Torque: the torque the actuator still delivers at that pressure</source>
        <comment>254</comment>
        <translation>Drehmoment: das Moment, das der Antrieb bei diesem Druck noch liefert</translation>
    </message>
    <message>
        <source>Torque: the torque on the shaft</source>
        <comment>255</comment>
        <translation>Drehmoment: das Drehmoment an der Welle</translation>
    </message>
    <message>
        <source>Diameter: the shaft diameter</source>
        <comment>256</comment>
        <translation>Durchmesser: der Wellendurchmesser</translation>
    </message>
    <message>
        <source>Length: the shaft length</source>
        <comment>257</comment>
        <translation>Länge: die Wellenlänge</translation>
    </message>
    <message>
        <source>Stress: the shear stress at the surface of the shaft</source>
        <comment>258</comment>
        <translation>Spannung: die Schubspannung an der Oberfläche der Welle</translation>
    </message>
    <message>
        <source>Deflection: the angle the shaft twists over its length</source>
        <comment>259</comment>
        <translation>Verdrehung: der Winkel, um den sich die Welle über ihre Länge verdreht</translation>
    </message>
    <message>
        <source>air</source>
        <comment>260</comment>
        <translation>Luft</translation>
    </message>
    <message>
        <source>spring</source>
        <comment>261</comment>
        <translation>Feder</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <comment>262</comment>
        <translation>&amp;Liste speichern</translation>
    </message>
    <message>
        <source>Replace the valve list %s with the edited one?</source>
        <comment>263</comment>
        <translation>Die Armaturenliste %s durch die bearbeitete ersetzen?</translation>
    </message>
    <message>
        <source>The list came as a workbook: it is saved as a new workbook of this sheet's cells, without styles or other sheets.</source>
        <comment>264</comment>
        <translation>Die Liste kam als Arbeitsmappe: gespeichert als neue Arbeitsmappe der Zellen dieses Blatts, ohne Formate und andere Blätter.</translation>
    </message>
    <message>
        <source>Edited, not saved yet</source>
        <comment>265</comment>
        <translation>Bearbeitet, noch nicht gespeichert</translation>
    </message>
    <message>
        <source>The list has edits that are not saved. Discard them?</source>
        <comment>266</comment>
        <translation>Die Liste hat ungespeicherte Änderungen. Verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Recent</source>
        <comment>267</comment>
        <translation>Z&amp;uletzt</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <comment>268</comment>
        <translation>&amp;Tabellenblatt:</translation>
    </message>
    <message>
        <source>Save the edited list as a new workbook</source>
        <comment>269</comment>
        <translation>Die bearbeitete Liste als neue Arbeitsmappe speichern</translation>
    </message>
    <message>
        <source>%s %s does not match this list's %s</source>
        <comment>270</comment>
        <translation>%s %s passt nicht zum %s dieser Liste</translation>
    </message>
    <message>
        <source>%s %s is too large a number</source>
        <comment>271</comment>
        <translation>%s %s ist eine zu große Zahl</translation>
    </message>
    <message>
        <source>%s %s is not a number</source>
        <comment>272</comment>
        <translation>%s %s ist keine Zahl</translation>
    </message>
    <message>
        <source>%s %s has a unit ('%s'); %s takes none</source>
        <comment>273</comment>
        <translation>%s %s hat eine Einheit ('%s'); %s ist ohne Einheit</translation>
    </message>
    <message>
        <source>%s %s: the unit '%s' is not %s</source>
        <comment>274</comment>
        <translation>%s %s: die Einheit '%s' ist nicht %s</translation>
    </message>
    <message>
        <source>%s empty: %s used (%s)</source>
        <comment>275</comment>
        <translation>%s leer: %s verwendet (%s)</translation>
    </message>
    <message>
        <source>%s %s is not above 0</source>
        <comment>276</comment>
        <translation>%s %s ist nicht größer als 0</translation>
    </message>
    <message>
        <source>Safety %s is below 1</source>
        <comment>277</comment>
        <translation>Sicherheit %s ist kleiner als 1</translation>
    </message>
    <message>
        <source>the row has %s fields, the header %s</source>
        <comment>278</comment>
        <translation>die Zeile hat %s Felder, die Kopfzeile %s</translation>
    </message>
    <message>
        <source>tag %s is also on line %s</source>
        <comment>279</comment>
        <translation>Tag %s steht auch in Zeile %s</translation>
    </message>
    <message>
        <source>tag %s is also on lines %s</source>
        <comment>280</comment>
        <translation>Tag %s steht auch in den Zeilen %s</translation>
    </message>
    <message>
        <source>%s and %s more</source>
        <comment>281</comment>
        <translation>%s und %s weitere</translation>
    </message>
    <message>
        <source>Tag is empty</source>
        <comment>282</comment>
        <translation>Tag ist leer</translation>
    </message>
    <message>
        <source>Action %s is not DA, FC or FO</source>
        <comment>283</comment>
        <translation>Sich.-Stellung %s ist nicht DA, FC oder FO</translation>
    </message>
    <message>
        <source>an electric actuator has no fail-safe action</source>
        <comment>284</comment>
        <translation>ein elektrischer Antrieb hat keine Sicherheitsstellung</translation>
    </message>
    <message>
        <source>Valve type %s is not Ball, Butterfly or Plug</source>
        <comment>285</comment>
        <translation>Armaturentyp %s ist nicht Ball, Butterfly oder Plug</translation>
    </message>
    <message>
        <source>Torque is empty</source>
        <comment>286</comment>
        <translation>Drehmoment ist leer</translation>
    </message>
    <message>
        <source>Series is empty</source>
        <comment>287</comment>
        <translation>Baureihe ist leer</translation>
    </message>
    <message>
        <source>Size is empty</source>
        <comment>288</comment>
        <translation>Größe ist leer</translation>
    </message>
    <message>
        <source>Size %s not in series %s</source>
        <comment>289</comment>
        <translation>Größe %s nicht in Baureihe %s</translation>
    </message>
    <message>
        <source>series %s</source>
        <comment>290</comment>
        <translation>Baureihe %s</translation>
    </message>
    <message>
        <source>Pressure %s %s is outside %s</source>
        <comment>291</comment>
        <translation>Druck %s %s liegt außerhalb %s</translation>
    </message>
    <message>
        <source>Torque %s is too large: its demand is beyond any number</source>
        <comment>292</comment>
        <translation>Drehmoment %s ist zu groß: sein Bedarf übersteigt jede Zahl</translation>
    </message>
    <message>
        <source>ok</source>
        <comment>293</comment>
        <translation>ok</translation>
    </message>
    <message>
        <source>no fit</source>
        <comment>294</comment>
        <translation>passt nicht</translation>
    </message>
    <message>
        <source>no fit: %s</source>
        <comment>295</comment>
        <translation>passt nicht: %s</translation>
    </message>
    <message>
        <source>built in</source>
        <comment>296</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>settings file %s</source>
        <comment>297</comment>
        <translation>Einstellungsdatei %s</translation>
    </message>
    <message>
        <source>option --pressure</source>
        <comment>298</comment>
        <translation>Option --pressure</translation>
    </message>
    <message>
        <source>ball valve</source>
        <comment>299</comment>
        <translation>Kugelhahn</translation>
    </message>
    <message>
        <source>butterfly valve</source>
        <comment>300</comment>
        <translation>Absperrklappe</translation>
    </message>
    <message>
        <source>plug valve</source>
        <comment>301</comment>
        <translation>Kükenhahn</translation>
    </message>
    <message>
        <source>decimal point</source>
        <comment>302</comment>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <comment>303</comment>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>Series %s: no valve database is in use</source>
        <comment>304</comment>
        <translation>Baureihe %s: keine Armaturendatenbank in Verwendung</translation>
    </message>
    <message>
        <source>Series %s is in %s valve databases, %s; a series must be in one</source>
        <comment>305</comment>
        <translation>Baureihe %s steht in %s Armaturendatenbanken, %s; eine Baureihe darf nur in einer stehen</translation>
    </message>
    <message>
        <source>Series %s: the valve database %s does not read cleanly</source>
        <comment>306</comment>
        <translation>Baureihe %s: die Armaturendatenbank %s lässt sich nicht fehlerfrei lesen</translation>
    </message>
    <message>
        <source>Series %s not in the valve database %s</source>
        <comment>307</comment>
        <translation>Baureihe %s nicht in der Armaturendatenbank %s</translation>
    </message>
    <message>
        <source>Series %s not in the valve databases %s</source>
        <comment>308</comment>
        <translation>Baureihe %s nicht in den Armaturendatenbanken %s</translation>
    </message>
    <message>
        <source>%s and %s</source>
        <comment>309</comment>
        <translation>%s und %s</translation>
    </message>
    <message>
        <source>%s cut to 32767 characters in this workbook</source>
        <comment>310</comment>
        <translation>%s in dieser Arbeitsmappe auf 32767 Zeichen gekürzt</translation>
    </message>
    <message>
        <source>Tag</source>
        <comment>311</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Action</source>
        <comment>312</comment>
        <translation>Sich.-Stellung</translation>
    </message>
    <message>
        <source>Torque</source>
        <comment>313</comment>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Series</source>
        <comment>314</comment>
        <translation>Baureihe</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>315</comment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Valve type</source>
        <comment>316</comment>
        <translation>Armaturentyp</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>317</comment>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Seating</source>
        <comment>318</comment>
        <translation>Schließfaktor</translation>
    </message>
    <message>
        <source>Running</source>
        <comment>319</comment>
        <translation>Lauffaktor</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>320</comment>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Ball</source>
        <comment>321</comment>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <comment>322</comment>
        <translation>Klappe</translation>
    </message>
    <message>
        <source>Plug</source>
        <comment>323</comment>
        <translation>Küken</translation>
    </message>
    <message>
        <source>Pressure used</source>
        <comment>324</comment>
        <translation>Verwendeter Druck</translation>
    </message>
    <message>
        <source>Valve type used</source>
        <comment>325</comment>
        <translation>Verwendeter Armaturentyp</translation>
    </message>
    <message>
        <source>Safety used</source>
        <comment>326</comment>
        <translation>Verwendete Sicherheit</translation>
    </message>
    <message>
        <source>Seating used</source>
        <comment>327</comment>
        <translation>Verwendeter Schließfaktor</translation>
    </message>
    <message>
        <source>Running used</source>
        <comment>328</comment>
        <translation>Verwendeter Lauffaktor</translation>
    </message>
    <message>
        <source>Break</source>
        <comment>329</comment>
        <translation>Losbrechen</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>330</comment>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>Seat</source>
        <comment>331</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Actuator</source>
        <comment>332</comment>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>Spring set</source>
        <comment>333</comment>
        <translation>Federsatz</translation>
    </message>
    <message>
        <source>Air start</source>
        <comment>334</comment>
        <translation>Luft Anfang</translation>
    </message>
    <message>
        <source>Air end</source>
        <comment>335</comment>
        <translation>Luft Ende</translation>
    </message>
    <message>
        <source>Spring start</source>
        <comment>336</comment>
        <translation>Feder Anfang</translation>
    </message>
    <message>
        <source>Spring end</source>
        <comment>337</comment>
        <translation>Feder Ende</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>338</comment>
        <translation>Abgabe</translation>
    </message>
    <message>
        <source>Break/Seat</source>
        <comment>339</comment>
        <translation>Losbrechen/Schließen</translation>
    </message>
    <message>
        <source>Actuator run</source>
        <comment>340</comment>
        <translation>Lauf Antrieb</translation>
    </message>
    <message>
        <source>Margin</source>
        <comment>341</comment>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>342</comment>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>343</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>MAST</source>
        <comment>344</comment>
        <translation>MAST</translation>
    </message>
    <message>
        <source>Pressure max</source>
        <comment>345</comment>
        <translation>Druck max</translation>
    </message>
    <message>
        <source>Cycles per hour</source>
        <comment>346</comment>
        <translation>Zyklen pro Stunde</translation>
    </message>
    <message>
        <source>Kv</source>
        <comment>347</comment>
        <translation>Kv</translation>
    </message>
    <message>
        <source>Stroke time max</source>
        <comment>348</comment>
        <translation>Stellzeit max</translation>
    </message>
    <message>
        <source>Max output</source>
        <comment>349</comment>
        <translation>Max. Abgabe</translation>
    </message>
    <message>
        <source>MAST margin</source>
        <comment>350</comment>
        <translation>MAST-Reserve</translation>
    </message>
    <message>
        <source>Air per cycle</source>
        <comment>351</comment>
        <translation>Luft pro Zyklus</translation>
    </message>
    <message>
        <source>Air per hour</source>
        <comment>352</comment>
        <translation>Luft pro Stunde</translation>
    </message>
    <message>
        <source>Stroke time [s]</source>
        <comment>353</comment>
        <translation>Stellzeit [s]</translation>
    </message>
    <message>
        <source>check failed: %s</source>
        <comment>354</comment>
        <translation>Prüfung nicht bestanden: %s</translation>
    </message>
    <message>
        <source>%s delivers %s at %s, above the valve's MAST of %s</source>
        <comment>355</comment>
        <translation>%s liefert %s bei %s, über dem MAST der Armatur von %s</translation>
    </message>
    <message>
        <source>%s delivers %s, above the valve's MAST of %s</source>
        <comment>356</comment>
        <translation>%s liefert %s, über dem MAST der Armatur von %s</translation>
    </message>
    <message>
        <source>%s strokes in %s s, slower than the Stroke time max of %s s</source>
        <comment>357</comment>
        <translation>%s stellt in %s s, langsamer als die Stellzeit max von %s s</translation>
    </message>
    <message>
        <source>Pressure max %s %s is outside %s</source>
        <comment>358</comment>
        <translation>Druck max %s %s liegt außerhalb %s</translation>
    </message>
    <message>
        <source>Pressure max %s is below the sizing pressure %s</source>
        <comment>359</comment>
        <translation>Druck max %s liegt unter dem Auslegungsdruck %s</translation>
    </message>
    <message>
        <source>the row's Pressure</source>
        <comment>360</comment>
        <translation>der Druck der Zeile</translation>
    </message>
    <message>
        <source>Stroke time max %s s not checked: the row gives no Kv</source>
        <comment>361</comment>
        <translation>Stellzeit max %s s nicht geprüft: die Zeile nennt keinen Kv</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment>362</comment>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Section</source>
        <comment>363</comment>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Item</source>
        <comment>364</comment>
        <translation>Position</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>365</comment>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>366</comment>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Bill of materials</source>
        <comment>367</comment>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Rows</source>
        <comment>368</comment>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>check failed</source>
        <comment>369</comment>
        <translation>Prüfung nicht bestanden</translation>
    </message>
    <message>
        <source>error</source>
        <comment>370</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>with warnings</source>
        <comment>371</comment>
        <translation>mit Warnungen</translation>
    </message>
    <message>
        <source>Air</source>
        <comment>372</comment>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Margins</source>
        <comment>373</comment>
        <translation>Reserven</translation>
    </message>
    <message>
        <source>Smallest margin</source>
        <comment>374</comment>
        <translation>Kleinste Reserve</translation>
    </message>
    <message>
        <source>Smallest MAST margin</source>
        <comment>375</comment>
        <translation>Kleinste MAST-Reserve</translation>
    </message>
    <message>
        <source>There was an error during reading the Valve File. The file could not be opened or the file is not available.</source>
        <comment>500</comment>
        <translation>Fehler beim Lesen der Armaturendatei. Die Datei konnte nicht geöffnet werden oder ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <comment>501</comment>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>MAST %s</source>
        <comment>380</comment>
        <translation>MAST %s</translation>
    </message>
    <message>
        <source>Air at %s</source>
        <comment>381</comment>
        <translation>Luft bei %s</translation>
    </message>
    <message>
        <source>Datasheet package</source>
        <comment>382</comment>
        <translation>Datenblattpaket</translation>
    </message>
    <message>
        <source>Project</source>
        <comment>383</comment>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Customer</source>
        <comment>384</comment>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>385</comment>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Revision</source>
        <comment>386</comment>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Engineer</source>
        <comment>387</comment>
        <translation>Bearbeiter</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>388</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <comment>389</comment>
        <translation>Seite %s von %s</translation>
    </message>
    <message>
        <source>Valve</source>
        <comment>390</comment>
        <translation>Armatur</translation>
    </message>
    <message>
        <source>Operating conditions</source>
        <comment>391</comment>
        <translation>Betriebsbedingungen</translation>
    </message>
    <message>
        <source>Selection</source>
        <comment>392</comment>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Torques</source>
        <comment>393</comment>
        <translation>Drehmomente</translation>
    </message>
    <message>
        <source>Checks</source>
        <comment>394</comment>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>Torque chart</source>
        <comment>395</comment>
        <translation>Drehmomentdiagramm</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>396</comment>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Not sized</source>
        <comment>397</comment>
        <translation>Nicht ausgelegt</translation>
    </message>
    <message>
        <source>Pass</source>
        <comment>398</comment>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Fail</source>
        <comment>399</comment>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Not checked</source>
        <comment>400</comment>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <source>Point</source>
        <comment>401</comment>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Demand [%s]</source>
        <comment>402</comment>
        <translation>Bedarf [%s]</translation>
    </message>
    <message>
        <source>Delivered [%s]</source>
        <comment>403</comment>
        <translation>Geliefert [%s]</translation>
    </message>
    <message>
        <source>Sizing pressure</source>
        <comment>404</comment>
        <translation>Auslegungsdruck</translation>
    </message>
    <message>
        <source>Maximum pressure</source>
        <comment>405</comment>
        <translation>Maximaler Druck</translation>
    </message>
    <message>
        <source>Stroke time</source>
        <comment>406</comment>
        <translation>Stellzeit</translation>
    </message>
    <message>
        <source>List</source>
        <comment>407</comment>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Rows by status</source>
        <comment>409</comment>
        <translation>Zeilen nach Status</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <comment>410</comment>
        <translation>Annahmen</translation>
    </message>
    <message>
        <source>Page</source>
        <comment>411</comment>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Count</source>
        <comment>412</comment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>%s valves of %s</source>
        <comment>413</comment>
        <translation>%s Armaturen aus %s</translation>
    </message>
    <message>
        <source>%s at %s</source>
        <comment>414</comment>
        <translation>%s bei %s</translation>
    </message>
    <message>
        <source>Weakest margin</source>
        <comment>415</comment>
        <translation>Kleinste Reserve</translation>
    </message>
    <message>
        <source>%s more</source>
        <comment>416</comment>
        <translation>%s weitere</translation>
    </message>
    <message>
        <source>Actuator range</source>
        <comment>417</comment>
        <translation>Antriebsreihe</translation>
    </message>
    <message>
        <source>Valve databases</source>
        <comment>418</comment>
        <translation>Armaturendatenbanken</translation>
    </message>
    <message>
        <source>Kv value should be greater than zero !</source>
        <comment>600</comment>
        <translation>Der Kv-Wert muss größer als null sein!</translation>
    </message>
    <message>
        <source>Actuator Sizing</source>
        <comment>601</comment>
        <translation>Antriebsauslegung</translation>
    </message>
    <message>
        <source>Access About</source>
        <comment>2008</comment>
        <translation>Info aufrufen</translation>
    </message>
    <message>
        <source>About the Sizing &amp; Engineering application</source>
        <comment>2009</comment>
        <translation>Über das Programm Auslegung &amp; Technik</translation>
    </message>
    <message>
        <source>Enter the double acting torque screen</source>
        <comment>10101</comment>
        <translation>Öffnet die Drehmomenttabelle doppeltwirkend</translation>
    </message>
    <message>
        <source>Enter the spring return torque screen</source>
        <comment>10102</comment>
        <translation>Öffnet die Drehmomenttabelle einfachwirkend</translation>
    </message>
    <message>
        <source>Enter the double acting sizing screen</source>
        <comment>10103</comment>
        <translation>Öffnet die Auslegung doppeltwirkend</translation>
    </message>
    <message>
        <source>Enter the spring return sizing screen</source>
        <comment>10104</comment>
        <translation>Öffnet die Auslegung einfachwirkend</translation>
    </message>
    <message>
        <source>Enter the database sizing screen</source>
        <comment>10106</comment>
        <translation>Öffnet die Auslegung aus der Datenbank</translation>
    </message>
    <message>
        <source>Edit the valve torque database</source>
        <comment>10107</comment>
        <translation>Bearbeitet die Drehmomentdatenbank der Armaturen</translation>
    </message>
    <message>
        <source>Calculation of the distance for hotline actuators</source>
        <comment>10108</comment>
        <translation>Berechnung des Abstands für Antriebe an heißen Leitungen</translation>
    </message>
    <message>
        <source>Calulation of the actuator speed</source>
        <comment>10109</comment>
        <translation>Berechnung der Stellzeit des Antriebs</translation>
    </message>
    <message>
        <source>Calculation for airtank capacity</source>
        <comment>10110</comment>
        <translation>Berechnung der Kapazität des Druckluftbehälters</translation>
    </message>
    <message>
        <source>Calculation for torsion</source>
        <comment>10111</comment>
        <translation>Berechnung der Torsion</translation>
    </message>
    <message>
        <source>Changes the note which is printed in the datasheet</source>
        <comment>10113</comment>
        <translation>Ändert die Notiz, die im Datenblatt gedruckt wird</translation>
    </message>
    <message>
        <source>Application Setup of standard settings</source>
        <comment>10114</comment>
        <translation>Einstellung der Standardwerte des Programms</translation>
    </message>
    <message>
        <source>Size every valve of a valve list, then export it or make its datasheets</source>
        <comment>10124</comment>
        <translation>Legt jede Armatur einer Armaturenliste aus, zum Exportieren oder für ihre Datenblätter</translation>
    </message>
    <message>
        <source>Enter the actuator sizing screen</source>
        <comment>10401</comment>
        <translation>Öffnet die Antriebsauslegung</translation>
    </message>
    <message>
        <source>Enter the database sizing screen</source>
        <comment>10402</comment>
        <translation>Öffnet die Auslegung aus der Datenbank</translation>
    </message>
    <message>
        <source>Edit the valve torque database</source>
        <comment>10403</comment>
        <translation>Bearbeitet die Drehmomentdatenbank der Armaturen</translation>
    </message>
    <message>
        <source>Size every valve of a valve list, then export it or make its datasheets</source>
        <comment>10404</comment>
        <translation>Legt jede Armatur einer Armaturenliste aus, zum Exportieren oder für ihre Datenblätter</translation>
    </message>
    <message>
        <source>Quits Sizing &amp; Engineering</source>
        <comment>24310</comment>
        <translation>Beendet das Programm Auslegung &amp; Technik</translation>
    </message>
    <message>
        <source>Setup this document print characteristics</source>
        <comment>24338</comment>
        <translation>Richtet die Druckeigenschaften dieses Dokuments ein</translation>
    </message>
</context>
<context>
    <name>VnMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Notiz</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Druckereinrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Beenden	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>&amp;Umrechnungen</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>&amp;Druck</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>Dreh&amp;moment</translation>
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
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Gewicht</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Temperatur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Benutzerhandbuch	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>&amp;Sizing</source>
        <translation>&amp;Auslegung</translation>
    </message>
    <message>
        <source>&amp;Actuator Sizing</source>
        <translation>&amp;Antriebsauslegung</translation>
    </message>
    <message>
        <source>&amp;Valve List...</source>
        <translation>Armaturen&amp;liste...</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>Daten&amp;bank</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Engineering</source>
        <translation>&amp;Technik</translation>
    </message>
    <message>
        <source>&amp;Hot Line Actuators</source>
        <translation>Antriebe an &amp;heißen Leitungen</translation>
    </message>
    <message>
        <source>&amp;Torsion</source>
        <translation>&amp;Torsion</translation>
    </message>
    <message>
        <source>&amp;Double Acting</source>
        <translation>&amp;Doppeltwirkend</translation>
    </message>
    <message>
        <source>&amp;Spring Return</source>
        <translation>&amp;Einfachwirkend</translation>
    </message>
    <message>
        <source>&amp;Actuator Speed</source>
        <translation>Antriebs&amp;geschwindigkeit</translation>
    </message>
    <message>
        <source>Air Tank &amp;Capacity</source>
        <translation>&amp;Kapazität Druckluftbehälter</translation>
    </message>
</context>
<context>
    <name>VnVersion</name>
    <message>
        <source>ProductNameKAV</source>
        <translation>Varnox Pneumatikantriebe</translation>
    </message>
    <message>
        <source>ProductVersionKAV</source>
        <translation>(Deutsch)</translation>
    </message>
    <message>
        <source>ProductNameQU</source>
        <translation>Varnox Elektroantriebe</translation>
    </message>
    <message>
        <source>ProductVersionQU</source>
        <translation>(Deutsch)</translation>
    </message>
    <message>
        <source>LegalCopyright</source>
        <translation>Copyright © 2026 Varnox Engineering. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
