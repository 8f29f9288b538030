<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>VnAboutDlg</name>
    <message>
        <source>About the Sizing Application</source>
        <translation>Over het dimensioneringsprogramma</translation>
    </message>
    <message>
        <source>Varnox - Sizing &amp; Engineering</source>
        <translation>Varnox - Dimensionering &amp; Techniek</translation>
    </message>
    <message>
        <source>Version 7.2</source>
        <translation>Versie 7.2</translation>
    </message>
    <message>
        <source>Version 4.2</source>
        <translation>Versie 4.2</translation>
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
        <translation>Druk</translation>
    </message>
    <message>
        <source>Flow Coëfficient</source>
        <translation>Doorstroomcoëfficiënt</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;Naar bestand</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>VnAirTankDialog</name>
    <message>
        <source>Actuator</source>
        <translation>Aandrijving</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druk</translation>
    </message>
    <message>
        <source>Tank Size</source>
        <translation>Vatinhoud</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Slagen</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;Naar bestand</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>VnConvertDialog</name>
    <message>
        <source>Convert Dialog</source>
        <translation>Omrekenen</translation>
    </message>
    <message>
        <source>&amp;Direction</source>
        <translation>&amp;Richting</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>VnDBaseEditDlg</name>
    <message>
        <source>Database Edit</source>
        <translation>Database bewerken</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>&amp;Append page</source>
        <translation>Pagina &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Delete page</source>
        <translation>Pagina &amp;verwijderen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Valve</source>
        <translation>Afsluiter</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Maten</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>Veiligheidsfactor</translation>
    </message>
    <message>
        <source>Drawing nr</source>
        <translation>Tekeningnr.</translation>
    </message>
    <message>
        <source>Seat Factor</source>
        <translation>Sluitfactor</translation>
    </message>
    <message>
        <source>Data date</source>
        <translation>Datum gegevens</translation>
    </message>
    <message>
        <source>Run Factor</source>
        <translation>Loopfactor</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>A&amp;ppend size</source>
        <translation>&amp;Maat toevoegen</translation>
    </message>
    <message>
        <source>De&amp;lete size</source>
        <translation>Maat v&amp;erwijderen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Opslaan &amp;als</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>VnDatabaseSizingDialog</name>
    <message>
        <source>Safe&amp;ty factor:</source>
        <translation>&amp;Veiligheidsfactor:</translation>
    </message>
    <message>
        <source>Seating factor:</source>
        <translation>Sluitfactor:</translation>
    </message>
    <message>
        <source>Running factor:</source>
        <translation>Loopfactor:</translation>
    </message>
    <message>
        <source>Fail &amp;action:</source>
        <translation>&amp;Faalstand:</translation>
    </message>
    <message>
        <source>Select &amp;Valve</source>
        <translation>Afsluiter &amp;kiezen</translation>
    </message>
    <message>
        <source>&amp;Sizing</source>
        <translation>D&amp;imensioneren</translation>
    </message>
    <message>
        <source>Pa&amp;ge:</source>
        <translation>&amp;Pagina:</translation>
    </message>
    <message>
        <source>Valve database</source>
        <translation>Afsluiterdatabase</translation>
    </message>
    <message>
        <source>Valve:</source>
        <translation>Afsluiter:</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Pagina:</translation>
    </message>
    <message>
        <source>Sizes:</source>
        <translation>Maten:</translation>
    </message>
    <message>
        <source>Drawing Nr:</source>
        <translation>Tekeningnr.:</translation>
    </message>
    <message>
        <source>Data Date:</source>
        <translation>Datum gegevens:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Bron:</translation>
    </message>
</context>
<context>
    <name>VnHotLineActuatorDialog</name>
    <message>
        <source>Hot Line Actuators</source>
        <translation>Aandrijvingen op hete leidingen</translation>
    </message>
    <message>
        <source>Fluid Temperature</source>
        <translation>Mediumtemperatuur</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>Omgevingstemperatuur</translation>
    </message>
    <message>
        <source>Maximum Instrument Temperature</source>
        <translation>Maximale instrumenttemperatuur</translation>
    </message>
    <message>
        <source>Note: Height is from the surface of the pipe to the nearest point on the actuator.</source>
        <translation>Opmerking: de hoogte is gemeten vanaf het oppervlak van de leiding tot het dichtstbijzijnde punt van de aandrijving.</translation>
    </message>
    <message>
        <source>Calculation Result</source>
        <translation>Rekenresultaat</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;Naar bestand</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
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
        <translation>Annuleren</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>VnNoteInputDialog</name>
    <message>
        <source>Note Input</source>
        <translation>Notitie invoeren</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>VnSetup</name>
    <message>
        <source>Pneumatic Sizing &amp; Engineering Application Setup</source>
        <translation>Instellingen Pneumatische Dimensionering &amp; Techniek</translation>
    </message>
    <message>
        <source>Electric Sizing &amp; Engineering Application Setup</source>
        <translation>Instellingen Elektrische Dimensionering &amp; Techniek</translation>
    </message>
    <message>
        <source>LanguageListEnabled</source>
        <translation>1</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Actuator file:</source>
        <translation>Aandrijvingsbestand:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Bl&amp;aderen...</translation>
    </message>
    <message>
        <source>Valve file:</source>
        <translation>Afsluiterbestand:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Eenheden:</translation>
    </message>
    <message>
        <source>&amp;Pressure:</source>
        <translation>&amp;Druk:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Plaats:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>VnSizDoubleActingDlg</name>
    <message>
        <source>&amp;Safety factor:</source>
        <translation>&amp;Veiligheidsfactor:</translation>
    </message>
    <message>
        <source>&amp;Torque:</source>
        <translation>&amp;Koppel:</translation>
    </message>
</context>
<context>
    <name>VnSizSpringReturnDlg</name>
    <message>
        <source>&amp;Valve type:</source>
        <translation>&amp;Type afsluiter:</translation>
    </message>
    <message>
        <source>&amp;Safety factor:</source>
        <translation>&amp;Veiligheidsfactor:</translation>
    </message>
    <message>
        <source>Seat&amp;ing factor:</source>
        <translation>Sl&amp;uitfactor:</translation>
    </message>
    <message>
        <source>&amp;Running factor:</source>
        <translation>&amp;Loopfactor:</translation>
    </message>
    <message>
        <source>Fail &amp;action:</source>
        <translation>&amp;Faalstand:</translation>
    </message>
    <message>
        <source>&amp;Torque:</source>
        <translation>&amp;Koppel:</translation>
    </message>
</context>
<context>
    <name>VnTorSizDlg</name>
    <message>
        <source>Press&amp;ure:</source>
        <translation>&amp;Druk:</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;Naar bestand</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>VnTorSpringRetDlg</name>
    <message>
        <source>&amp;Add spring</source>
        <translation>Veer &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove Spring</source>
        <translation>Veer &amp;verwijderen</translation>
    </message>
</context>
<context>
    <name>VnTorsionDialog</name>
    <message>
        <source>Calculations for Shaft Torsion</source>
        <translation>Berekening van astorsie</translation>
    </message>
    <message>
        <source>Torque:</source>
        <translation>Koppel:</translation>
    </message>
    <message>
        <source>Shaft Diameter</source>
        <translation>Asdiameter</translation>
    </message>
    <message>
        <source>Shaft Length</source>
        <translation>Aslengte</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berekenen</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>To &amp;File</source>
        <translation>&amp;Naar bestand</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>VnStrings</name>
    <message>
        <source>Opens an existing document</source>
        <comment>1</comment>
        <translation>Opent een bestaand document</translation>
    </message>
    <message>
        <source>Double Acting</source>
        <comment>2</comment>
        <translation>Dubbelwerkend</translation>
    </message>
    <message>
        <source>Spring Return</source>
        <comment>3</comment>
        <translation>Enkelwerkend</translation>
    </message>
    <message>
        <source>Default Valve</source>
        <comment>4</comment>
        <translation>Standaardafsluiter</translation>
    </message>
    <message>
        <source>Other Valve</source>
        <comment>5</comment>
        <translation>Andere afsluiter</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>6</comment>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Hot Line Actuators</source>
        <comment>7</comment>
        <translation>Aandrijvingen op hete leidingen</translation>
    </message>
    <message>
        <source>Actuator Speed</source>
        <comment>8</comment>
        <translation>Snelheid aandrijving</translation>
    </message>
    <message>
        <source>Air Tank Capacity</source>
        <comment>9</comment>
        <translation>Capaciteit luchtvat</translation>
    </message>
    <message>
        <source>Torsion</source>
        <comment>10</comment>
        <translation>Torsie</translation>
    </message>
    <message>
        <source>Conversions</source>
        <comment>11</comment>
        <translation>Omrekeningen</translation>
    </message>
    <message>
        <source>Varnox  Pneumatic Engineering &amp; Sizing</source>
        <comment>12</comment>
        <translation>Varnox  Pneumatische Dimensionering &amp; Techniek</translation>
    </message>
    <message>
        <source>Torque</source>
        <comment>13</comment>
        <translation>Koppel</translation>
    </message>
    <message>
        <source>too low</source>
        <comment>14</comment>
        <translation>te laag</translation>
    </message>
    <message>
        <source>too high</source>
        <comment>15</comment>
        <translation>te hoog</translation>
    </message>
    <message>
        <source>English</source>
        <comment>16</comment>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Dutch</source>
        <comment>17</comment>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>German</source>
        <comment>18</comment>
        <translation>Duits</translation>
    </message>
    <message>
        <source>French</source>
        <comment>19</comment>
        <translation>Frans</translation>
    </message>
    <message>
        <source>An error occurred...</source>
        <comment>20</comment>
        <translation>Er is een fout opgetreden...</translation>
    </message>
    <message>
        <source>I could not find language module %s. Please select another language.</source>
        <comment>21</comment>
        <translation>Taalmodule %s is niet gevonden. Kies een andere taal.</translation>
    </message>
    <message>
        <source>Select  Actuator File</source>
        <comment>22</comment>
        <translation>Aandrijvingsbestand kiezen</translation>
    </message>
    <message>
        <source>Select Valve File</source>
        <comment>23</comment>
        <translation>Afsluiterbestand kiezen</translation>
    </message>
    <message>
        <source>Metric</source>
        <comment>24</comment>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial</source>
        <comment>25</comment>
        <translation>Imperiaal</translation>
    </message>
    <message>
        <source>The input for pressure is not correct. Please enter a value between 2 and 10 Bar.</source>
        <comment>26</comment>
        <translation>De ingevoerde druk is niet juist. Voer een waarde tussen 2 en 10 bar in.</translation>
    </message>
    <message>
        <source>Sizing</source>
        <comment>27</comment>
        <translation>Dimensionering</translation>
    </message>
    <message>
        <source>Butterfly Valve</source>
        <comment>28</comment>
        <translation>Vlinderklep</translation>
    </message>
    <message>
        <source>Ball Valve</source>
        <comment>29</comment>
        <translation>Kogelkraan</translation>
    </message>
    <message>
        <source>Plug Valve</source>
        <comment>30</comment>
        <translation>Plugkraan</translation>
    </message>
    <message>
        <source>FC</source>
        <comment>31</comment>
        <translation>FC</translation>
    </message>
    <message>
        <source>  FO</source>
        <comment>32</comment>
        <translation>  FO</translation>
    </message>
    <message>
        <source>Fail Open</source>
        <comment>33</comment>
        <translation>Veeropenend</translation>
    </message>
    <message>
        <source>Fail Close</source>
        <comment>34</comment>
        <translation>Veersluitend</translation>
    </message>
    <message>
        <source>Added</source>
        <comment>35</comment>
        <translation>Toegevoegd</translation>
    </message>
    <message>
        <source>Removed</source>
        <comment>36</comment>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Air Start</source>
        <comment>37</comment>
        <translation>Lucht begin</translation>
    </message>
    <message>
        <source>Air End</source>
        <comment>38</comment>
        <translation>Lucht eind</translation>
    </message>
    <message>
        <source>Spring Start</source>
        <comment>39</comment>
        <translation>Veer begin</translation>
    </message>
    <message>
        <source>Spring End</source>
        <comment>40</comment>
        <translation>Veer eind</translation>
    </message>
    <message>
        <source>Spring Set</source>
        <comment>41</comment>
        <translation>Veerset</translation>
    </message>
    <message>
        <source>Actuator</source>
        <comment>42</comment>
        <translation>Aandrijving</translation>
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
        <translation>Faalstand</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>48</comment>
        <translation>Veiligheid</translation>
    </message>
    <message>
        <source>Factor</source>
        <comment>49</comment>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <comment>50</comment>
        <translation>Veiligh.factor</translation>
    </message>
    <message>
        <source>incl.SF</source>
        <comment>51</comment>
        <translation>incl.VF</translation>
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
        <translation>Omrekening</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>55</comment>
        <translation>Druk</translation>
    </message>
    <message>
        <source>Temperature</source>
        <comment>56</comment>
        <translation>Temperatuur</translation>
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
        <translation>inch</translation>
    </message>
    <message>
        <source>liter</source>
        <comment>61</comment>
        <translation>liter</translation>
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
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Weight</source>
        <comment>66</comment>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Volume</source>
        <comment>67</comment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ambient temperature is higher than the instrument temperature.</source>
        <comment>68</comment>
        <translation>De omgevingstemperatuur is hoger dan de instrumenttemperatuur.</translation>
    </message>
    <message>
        <source>Please enter new data and calculate again.</source>
        <comment>69</comment>
        <translation>Voer nieuwe gegevens in en bereken opnieuw.</translation>
    </message>
    <message>
        <source>No problem!  Use standard mounting.</source>
        <comment>70</comment>
        <translation>Geen probleem!  Standaardmontage gebruiken.</translation>
    </message>
    <message>
        <source>Fluid temperature is too high.</source>
        <comment>71</comment>
        <translation>De mediumtemperatuur is te hoog.</translation>
    </message>
    <message>
        <source>Heat loss is too high.</source>
        <comment>72</comment>
        <translation>Het warmteverlies is te hoog.</translation>
    </message>
    <message>
        <source>The distance between the actuator and the pipe  =  %.2f %s</source>
        <comment>73</comment>
        <translation>De afstand tussen aandrijving en leiding  =  %.2f %s</translation>
    </message>
    <message>
        <source>No fluid temperature available</source>
        <comment>74</comment>
        <translation>Geen mediumtemperatuur ingevoerd</translation>
    </message>
    <message>
        <source>No ambient temperature available</source>
        <comment>75</comment>
        <translation>Geen omgevingstemperatuur ingevoerd</translation>
    </message>
    <message>
        <source>No instrument temperature available</source>
        <comment>76</comment>
        <translation>Geen instrumenttemperatuur ingevoerd</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>77</comment>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>sec</source>
        <comment>78</comment>
        <translation>sec</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>79</comment>
        <translation>Snelheid</translation>
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
        <translation>Luchtvat</translation>
    </message>
    <message>
        <source>Calculations</source>
        <comment>83</comment>
        <translation>Berekeningen</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>84</comment>
        <translation>Slag</translation>
    </message>
    <message>
        <source>Initial</source>
        <comment>85</comment>
        <translation>Begin</translation>
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
        <translation>Spanning</translation>
    </message>
    <message>
        <source>Degrees</source>
        <comment>89</comment>
        <translation>graden</translation>
    </message>
    <message>
        <source>Diameter</source>
        <comment>90</comment>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Deflection</source>
        <comment>91</comment>
        <translation>Verdraaiing</translation>
    </message>
    <message>
        <source>Ambient</source>
        <comment>92</comment>
        <translation>Omgeving</translation>
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
        <translation>Aandrijvingen op hete leidingen</translation>
    </message>
    <message>
        <source>Calculation Result</source>
        <comment>97</comment>
        <translation>Rekenresultaat</translation>
    </message>
    <message>
        <source>Database</source>
        <comment>98</comment>
        <translation>Database</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>99</comment>
        <translation>Maat</translation>
    </message>
    <message>
        <source>of</source>
        <comment>100</comment>
        <translation>van</translation>
    </message>
    <message>
        <source>There was an error during reading the Valve file, Continuing with old file.</source>
        <comment>101</comment>
        <translation>Fout bij het lezen van het afsluiterbestand. Het vorige bestand blijft in gebruik.</translation>
    </message>
    <message>
        <source>Enter or Selecr Valve File</source>
        <comment>102</comment>
        <translation>Afsluiterbestand invoeren of kiezen</translation>
    </message>
    <message>
        <source>Appoximate Time</source>
        <comment>103</comment>
        <translation>Ca. slagtijd</translation>
    </message>
    <message>
        <source>There was an error during reading the Actuator file. The file could not be opened or the file is not available.</source>
        <comment>104</comment>
        <translation>Fout bij het lezen van het aandrijvingsbestand. Het bestand kon niet worden geopend of is niet aanwezig.</translation>
    </message>
    <message>
        <source>Should the notes be added to the datasheet?</source>
        <comment>105</comment>
        <translation>Moeten de notities aan het datablad worden toegevoegd?</translation>
    </message>
    <message>
        <source>Valve Type</source>
        <comment>106</comment>
        <translation>Type afsluiter</translation>
    </message>
    <message>
        <source>Note:</source>
        <comment>107</comment>
        <translation>Opmerking:</translation>
    </message>
    <message>
        <source>Seating Factor</source>
        <comment>108</comment>
        <translation>Sluitfactor</translation>
    </message>
    <message>
        <source>Running Factor</source>
        <comment>109</comment>
        <translation>Loopfactor</translation>
    </message>
    <message>
        <source>Varnox Electric Engineering &amp; Sizing</source>
        <comment>110</comment>
        <translation>Varnox Elektrische Dimensionering &amp; Techniek</translation>
    </message>
    <message>
        <source>Break</source>
        <comment>111</comment>
        <translation>Losbreekkoppel</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>112</comment>
        <translation>Loopkoppel</translation>
    </message>
    <message>
        <source>The selected files from your settings could not be loaded. Please check the settings for correct filenames.</source>
        <comment>113</comment>
        <translation>De bestanden uit uw instellingen konden niet worden geladen. Controleer de bestandsnamen in de instellingen.</translation>
    </message>
    <message>
        <source>Height</source>
        <comment>114</comment>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Result:</source>
        <comment>115</comment>
        <translation>Resultaat:</translation>
    </message>
    <message>
        <source>Pilot Valve</source>
        <comment>116</comment>
        <translation>Stuurventiel</translation>
    </message>
    <message>
        <source>Operations</source>
        <comment>117</comment>
        <translation>Slagen</translation>
    </message>
    <message>
        <source>Tank Size</source>
        <comment>118</comment>
        <translation>Vatinhoud</translation>
    </message>
    <message>
        <source>Torsion in circulair shafts</source>
        <comment>119</comment>
        <translation>Torsie in ronde assen</translation>
    </message>
    <message>
        <source>Sizing data for:</source>
        <comment>120</comment>
        <translation>Dimensioneringsgegevens voor:</translation>
    </message>
    <message>
        <source>Spring</source>
        <comment>121</comment>
        <translation>Veer</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>122</comment>
        <translation>Set</translation>
    </message>
    <message>
        <source>Select textfile for output</source>
        <comment>123</comment>
        <translation>Tekstbestand voor uitvoer kiezen</translation>
    </message>
    <message>
        <source>Valve</source>
        <comment>124</comment>
        <translation>Afsluiter</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>125</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Fail</source>
        <comment>126</comment>
        <translation>Storing</translation>
    </message>
    <message>
        <source>Action</source>
        <comment>127</comment>
        <translation>Faalstand</translation>
    </message>
    <message>
        <source>Seat</source>
        <comment>128</comment>
        <translation>Sluitkoppel</translation>
    </message>
    <message>
        <source>End</source>
        <comment>129</comment>
        <translation>Eind</translation>
    </message>
    <message>
        <source>The file name is longer than 99 characters. Please choose a file in a folder with a shorter path.</source>
        <comment>130</comment>
        <translation>De bestandsnaam is langer dan 99 tekens. Kies een bestand in een map met een korter pad.</translation>
    </message>
    <message>
        <source>The file %s could not be written. Please check the folder and the free disk space.</source>
        <comment>131</comment>
        <translation>Het bestand %s kon niet worden geschreven. Controleer de map en de vrije schijfruimte.</translation>
    </message>
    <message>
        <source>The page %i &quot;%s&quot; has no sizes. Append a size to it or delete it, then save again.</source>
        <comment>132</comment>
        <translation>Pagina %i &quot;%s&quot; heeft geen maten. Voeg een maat toe of verwijder de pagina en sla daarna opnieuw op.</translation>
    </message>
    <message>
        <source>The valve database has changes that are not saved. Do you want to save them?</source>
        <comment>133</comment>
        <translation>De afsluiterdatabase bevat wijzigingen die niet zijn opgeslagen. Wilt u deze opslaan?</translation>
    </message>
    <message>
        <source>The valve database has no pages. Append a page with at least one size, then save again.</source>
        <comment>134</comment>
        <translation>De afsluiterdatabase heeft geen pagina's. Voeg een pagina met ten minste één maat toe en sla opnieuw op.</translation>
    </message>
    <message>
        <source>The file %s did not read completely. Saving replaces it with what the editor holds. Save anyway?</source>
        <comment>135</comment>
        <translation>Het bestand %s is niet volledig gelezen. Opslaan vervangt het door de inhoud van de editor. Toch opslaan?</translation>
    </message>
    <message>
        <source>The pasted text &quot;%s&quot; is not a number. The field is left as it was.</source>
        <comment>136</comment>
        <translation>De geplakte tekst &quot;%s&quot; is geen getal. Het veld is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The pasted number &quot;%s&quot; does not fit: this field takes at most %i characters.</source>
        <comment>137</comment>
        <translation>Het geplakte getal &quot;%s&quot; past niet: dit veld neemt hoogstens %i tekens.</translation>
    </message>
    <message>
        <source>Valve List</source>
        <comment>138</comment>
        <translation>Afsluiterlijst</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>139</comment>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <comment>140</comment>
        <translation>&amp;Exporteren...</translation>
    </message>
    <message>
        <source>&amp;Datasheets...</source>
        <comment>141</comment>
        <translation>&amp;Databladen...</translation>
    </message>
    <message>
        <source>One &amp;PDF file...</source>
        <comment>142</comment>
        <translation>Eén &amp;PDF-bestand...</translation>
    </message>
    <message>
        <source>&amp;Text files in a folder...</source>
        <comment>143</comment>
        <translation>&amp;Tekstbestanden in een map...</translation>
    </message>
    <message>
        <source>Select a valve list</source>
        <comment>144</comment>
        <translation>Afsluiterlijst kiezen</translation>
    </message>
    <message>
        <source>Export the sized list</source>
        <comment>145</comment>
        <translation>Gedimensioneerde lijst exporteren</translation>
    </message>
    <message>
        <source>Save the datasheets as one PDF file</source>
        <comment>146</comment>
        <translation>Databladen opslaan als één PDF-bestand</translation>
    </message>
    <message>
        <source>Select the folder for the datasheets</source>
        <comment>147</comment>
        <translation>Map voor de databladen kiezen</translation>
    </message>
    <message>
        <source>Sizing the valve list...</source>
        <comment>148</comment>
        <translation>Afsluiterlijst wordt gedimensioneerd...</translation>
    </message>
    <message>
        <source>Writing %s...</source>
        <comment>149</comment>
        <translation>%s wordt geschreven...</translation>
    </message>
    <message>
        <source>Making the datasheets...</source>
        <comment>150</comment>
        <translation>Databladen worden gemaakt...</translation>
    </message>
    <message>
        <source>Rows: %i   Sized: %i   No fit: %i   Errors: %i</source>
        <comment>151</comment>
        <translation>Regels: %i   Gedimensioneerd: %i   Geen passende aandrijving: %i   Fouten: %i</translation>
    </message>
    <message>
        <source>Open a valve list (a CSV file with a Tag column) to size every valve in it.</source>
        <comment>152</comment>
        <translation>Open een afsluiterlijst (een CSV-bestand met een kolom Tag) om elke afsluiter erin te dimensioneren.</translation>
    </message>
    <message>
        <source>The valve list %s could not be sized.</source>
        <comment>153</comment>
        <translation>De afsluiterlijst %s kon niet worden gedimensioneerd.</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <comment>154</comment>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Written: %s</source>
        <comment>155</comment>
        <translation>Geschreven: %s</translation>
    </message>
    <message>
        <source>%i datasheets written to %s</source>
        <comment>156</comment>
        <translation>%i databladen geschreven naar %s</translation>
    </message>
    <message>
        <source>No row of the list was sized, so there is no datasheet to write.</source>
        <comment>157</comment>
        <translation>Geen enkele regel van de lijst is gedimensioneerd, dus er is geen datablad te schrijven.</translation>
    </message>
    <message>
        <source>Warnings: %i</source>
        <comment>158</comment>
        <translation>Waarschuwingen: %i</translation>
    </message>
    <message>
        <source>The sized list cannot replace the valve list it was sized from (%s). Please choose another file name.</source>
        <comment>159</comment>
        <translation>De gedimensioneerde lijst kan de afsluiterlijst waaruit hij komt (%s) niet vervangen. Kies een andere bestandsnaam.</translation>
    </message>
    <message>
        <source>Col&amp;umns...</source>
        <comment>160</comment>
        <translation>&amp;Kolommen...</translation>
    </message>
    <message>
        <source>Decimal &amp;mark:</source>
        <comment>161</comment>
        <translation>Deci&amp;maalteken:</translation>
    </message>
    <message>
        <source>As the list shows</source>
        <comment>162</comment>
        <translation>Zoals in de lijst</translation>
    </message>
    <message>
        <source>Point (1,450.5)</source>
        <comment>163</comment>
        <translation>Punt (1,450.5)</translation>
    </message>
    <message>
        <source>Comma (1.450,5)</source>
        <comment>164</comment>
        <translation>Komma (1.450,5)</translation>
    </message>
    <message>
        <source>Columns of the Valve List</source>
        <comment>165</comment>
        <translation>Kolommen van de afsluiterlijst</translation>
    </message>
    <message>
        <source>Choose the column that holds each value. Only these are read; the others pass through. Kept for lists with this header line.</source>
        <comment>166</comment>
        <translation>Kies per waarde de kolom. Alleen deze kolommen worden gelezen; de rest blijft ongewijzigd. De keuze wordt per kopregel bewaard.</translation>
    </message>
    <message>
        <source>(no column)</source>
        <comment>167</comment>
        <translation>(geen kolom)</translation>
    </message>
    <message>
        <source>Tag</source>
        <comment>168</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Series</source>
        <comment>169</comment>
        <translation>Serie</translation>
    </message>
    <message>
        <source>%i cells were longer than a workbook cell holds and were cut; the Warnings of their rows say so.</source>
        <comment>170</comment>
        <translation>%i cellen waren langer dan een werkbladcel bevat en zijn ingekort; de Waarschuwingen van hun regels vermelden het.</translation>
    </message>
    <message>
        <source>Valve data&amp;bases...</source>
        <comment>171</comment>
        <translation>Afsluiterdata&amp;bases...</translation>
    </message>
    <message>
        <source>Valve Databases for Lists</source>
        <comment>172</comment>
        <translation>Afsluiterdatabases voor lijsten</translation>
    </message>
    <message>
        <source>A list's Series is looked up in every database here; the database of the settings comes first.</source>
        <comment>173</comment>
        <translation>De Serie van een lijst wordt in elke database hier gezocht; de database van de instellingen komt eerst.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <comment>174</comment>
        <translation>&amp;Toevoegen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <comment>175</comment>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>The valve database %s does not read completely, so it is not added.</source>
        <comment>176</comment>
        <translation>De afsluiterdatabase %s is niet volledig te lezen en wordt daarom niet toegevoegd.</translation>
    </message>
    <message>
        <source>(settings)</source>
        <comment>177</comment>
        <translation>(instellingen)</translation>
    </message>
    <message>
        <source>Check failed: %i</source>
        <comment>178</comment>
        <translation>Controle mislukt: %i</translation>
    </message>
    <message>
        <source>Pro&amp;ject...</source>
        <comment>179</comment>
        <translation>Pro&amp;ject...</translation>
    </message>
    <message>
        <source>Stroke [°]</source>
        <comment>180</comment>
        <translation>Slag [°]</translation>
    </message>
    <message>
        <source>Closed</source>
        <comment>181</comment>
        <translation>Dicht</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>182</comment>
        <translation>Open</translation>
    </message>
    <message>
        <source>Air stroke</source>
        <comment>183</comment>
        <translation>Luchtslag</translation>
    </message>
    <message>
        <source>Spring stroke</source>
        <comment>184</comment>
        <translation>Veerslag</translation>
    </message>
    <message>
        <source>Actuator output</source>
        <comment>185</comment>
        <translation>Koppel van de aandrijving</translation>
    </message>
    <message>
        <source>Break/seat torque</source>
        <comment>186</comment>
        <translation>Losbreek-/sluitkoppel</translation>
    </message>
    <message>
        <source>Running torque</source>
        <comment>187</comment>
        <translation>Loopkoppel</translation>
    </message>
    <message>
        <source>Valve demand</source>
        <comment>188</comment>
        <translation>Eis van de afsluiter</translation>
    </message>
    <message>
        <source>No actuator fits: the valve's demands are shown alone.</source>
        <comment>189</comment>
        <translation>Geen aandrijving past: alleen de eisen van de afsluiter worden getoond.</translation>
    </message>
    <message>
        <source>Show c&amp;hart</source>
        <comment>190</comment>
        <translation>&amp;Grafiek tonen</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <comment>191</comment>
        <translation>&amp;Opslaan als PDF...</translation>
    </message>
    <message>
        <source>Copy chart</source>
        <comment>192</comment>
        <translation>Grafiek kopiëren</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <comment>193</comment>
        <translation>Grafiek opslaan...</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <comment>194</comment>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <comment>195</comment>
        <translation>SVG-afbeeldingen (*.svg)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <comment>196</comment>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Save the datasheet and its chart as PDF</source>
        <comment>197</comment>
        <translation>Gegevensblad en grafiek opslaan als PDF</translation>
    </message>
    <message>
        <source>Save the chart as an image</source>
        <comment>198</comment>
        <translation>Grafiek opslaan als afbeelding</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <comment>199</comment>
        <translation>&amp;Voorbeeld...</translation>
    </message>
    <message>
        <source>Copy row</source>
        <comment>200</comment>
        <translation>Rij kopiëren</translation>
    </message>
    <message>
        <source>Copy table</source>
        <comment>201</comment>
        <translation>Tabel kopiëren</translation>
    </message>
    <message>
        <source>Opens the user guide in your web browser</source>
        <comment>202</comment>
        <translation>Opent de gebruikershandleiding in uw webbrowser</translation>
    </message>
    <message>
        <source>The user guide was not found. The program looked for it here:
%s</source>
        <comment>203</comment>
        <translation>De gebruikershandleiding is niet gevonden. Het programma heeft hier gezocht:
%s</translation>
    </message>
    <message>
        <source>The user guide %s could not be opened. Please open it in your web browser.</source>
        <comment>204</comment>
        <translation>De gebruikershandleiding %s kon niet worden geopend. Open deze in uw webbrowser.</translation>
    </message>
    <message>
        <source>Saved %s</source>
        <comment>205</comment>
        <translation>%s opgeslagen</translation>
    </message>
    <message>
        <source>The size %s is already on this page. Replace its torque? No adds a second line with the same size.</source>
        <comment>206</comment>
        <translation>De maat %s staat al op deze pagina. Het koppel ervan vervangen? Nee voegt een tweede regel met dezelfde maat toe.</translation>
    </message>
    <message>
        <source>Supply pressure in bar: from 2 to 10 bar</source>
        <comment>210</comment>
        <translation>Voedingsdruk in bar: van 2 tot 10 bar</translation>
    </message>
    <message>
        <source>Supply pressure in psi: from 29 to 145 psi</source>
        <comment>211</comment>
        <translation>Voedingsdruk in psi: van 29 tot 145 psi</translation>
    </message>
    <message>
        <source>Safety factor, without unit, above 0: the valve's break torque is multiplied by it</source>
        <comment>212</comment>
        <translation>Veiligheidsfactor, zonder eenheid, boven 0: het losbreekkoppel van de afsluiter wordt ermee vermenigvuldigd</translation>
    </message>
    <message>
        <source>Seating factor, without unit, above 0: the seating torque is the break torque times this factor</source>
        <comment>213</comment>
        <translation>Sluitfactor, zonder eenheid, boven 0: het sluitkoppel is het losbreekkoppel maal deze factor</translation>
    </message>
    <message>
        <source>Running factor, without unit, above 0: the running torque is the break torque times this factor</source>
        <comment>214</comment>
        <translation>Loopfactor, zonder eenheid, boven 0: het loopkoppel is het losbreekkoppel maal deze factor</translation>
    </message>
    <message>
        <source>The valve's break torque in %s, above 0</source>
        <comment>215</comment>
        <translation>Het losbreekkoppel van de afsluiter in %s, boven 0</translation>
    </message>
    <message>
        <source>Spring units added to or removed from each actuator's estimate: a whole number from 0 to 100</source>
        <comment>216</comment>
        <translation>Veereenheden toegevoegd aan of verwijderd van de schatting per aandrijving: een geheel getal van 0 tot 100</translation>
    </message>
    <message>
        <source>The valve size as the database lists it, without unit, above 0</source>
        <comment>217</comment>
        <translation>De maat van de afsluiter zoals de database die noemt, zonder eenheid, boven 0</translation>
    </message>
    <message>
        <source>The pilot valve's flow coefficient %s, above 0</source>
        <comment>218</comment>
        <translation>De doorstroomcoëfficiënt %s van het stuurventiel, boven 0</translation>
    </message>
    <message>
        <source>The volume of the buffer tank in %s, above 0</source>
        <comment>219</comment>
        <translation>De inhoud van het buffervat in %s, boven 0</translation>
    </message>
    <message>
        <source>The number of strokes made from the tank: a whole number from 0 to 999</source>
        <comment>220</comment>
        <translation>Het aantal slagen uit het vat: een geheel getal van 0 tot 999</translation>
    </message>
    <message>
        <source>The torque on the shaft in %s</source>
        <comment>221</comment>
        <translation>Het koppel op de as in %s</translation>
    </message>
    <message>
        <source>The shaft diameter in %s, above 0</source>
        <comment>222</comment>
        <translation>De asdiameter in %s, boven 0</translation>
    </message>
    <message>
        <source>The shaft length in %s, above 0</source>
        <comment>223</comment>
        <translation>De aslengte in %s, boven 0</translation>
    </message>
    <message>
        <source>The temperature of the fluid in the pipe in %s, at most 999 °C (1830 F)</source>
        <comment>224</comment>
        <translation>De temperatuur van het medium in de leiding in %s, hoogstens 999 °C (1830 F)</translation>
    </message>
    <message>
        <source>The temperature of the air around the valve in %s, at most the instrument temperature</source>
        <comment>225</comment>
        <translation>De temperatuur van de lucht rond de afsluiter in %s, hoogstens de instrumenttemperatuur</translation>
    </message>
    <message>
        <source>The highest temperature the actuator and its instruments may reach, in %s</source>
        <comment>226</comment>
        <translation>De hoogste temperatuur die de aandrijving en haar instrumenten mogen bereiken, in %s</translation>
    </message>
    <message>
        <source>The value to convert, in %s</source>
        <comment>227</comment>
        <translation>De om te rekenen waarde, in %s</translation>
    </message>
    <message>
        <source>The converted value, in %s</source>
        <comment>228</comment>
        <translation>De omgerekende waarde, in %s</translation>
    </message>
    <message>
        <source>Text of at most %i characters</source>
        <comment>229</comment>
        <translation>Tekst van hoogstens %i tekens</translation>
    </message>
    <message>
        <source>Actuator: the double-acting model and its size</source>
        <comment>230</comment>
        <translation>Aandrijving: het dubbelwerkende model en zijn maat</translation>
    </message>
    <message>
        <source>Torque: the actuator's output torque at the pressure entered</source>
        <comment>231</comment>
        <translation>Koppel: het afgegeven koppel van de aandrijving bij de ingevoerde druk</translation>
    </message>
    <message>
        <source>Actuator: the spring-return model and its size</source>
        <comment>232</comment>
        <translation>Aandrijving: het enkelwerkende model en zijn maat</translation>
    </message>
    <message>
        <source>Air Start: torque of the air stroke at its start, springs extended</source>
        <comment>233</comment>
        <translation>Lucht begin: koppel van de luchtslag aan het begin, veren ontspannen</translation>
    </message>
    <message>
        <source>Air End: torque of the air stroke at its end, springs compressed</source>
        <comment>234</comment>
        <translation>Lucht eind: koppel van de luchtslag aan het eind, veren ingedrukt</translation>
    </message>
    <message>
        <source>Spring Start: torque of the springs at the start of the spring stroke</source>
        <comment>235</comment>
        <translation>Veer begin: koppel van de veren aan het begin van de veerslag</translation>
    </message>
    <message>
        <source>Spring End: torque of the springs at the end of the spring stroke</source>
        <comment>236</comment>
        <translation>Veer eind: koppel van de veren aan het eind van de veerslag</translation>
    </message>
    <message>
        <source>Spring Set: the number of springs fitted</source>
        <comment>237</comment>
        <translation>Veerset: het aantal ingebouwde veren</translation>
    </message>
    <message>
        <source>Torque: the valve's break torque as typed</source>
        <comment>238</comment>
        <translation>Koppel: het losbreekkoppel van de afsluiter zoals ingevoerd</translation>
    </message>
    <message>
        <source>Torque incl.SF: valve break torque × safety factor</source>
        <comment>239</comment>
        <translation>Koppel incl.VF: losbreekkoppel van de afsluiter × veiligheidsfactor</translation>
    </message>
    <message>
        <source>Actuator: the first double-acting actuator that delivers this torque at the pressure entered</source>
        <comment>240</comment>
        <translation>Aandrijving: de eerste dubbelwerkende aandrijving die dit koppel levert bij de ingevoerde druk</translation>
    </message>
    <message>
        <source>Break: valve break torque × safety factor</source>
        <comment>241</comment>
        <translation>Losbreekkoppel: losbreekkoppel van de afsluiter × veiligheidsfactor</translation>
    </message>
    <message>
        <source>Run: valve break torque × safety factor × running factor</source>
        <comment>242</comment>
        <translation>Loopkoppel: losbreekkoppel × veiligheidsfactor × loopfactor</translation>
    </message>
    <message>
        <source>Seat: valve break torque × safety factor × seating factor</source>
        <comment>243</comment>
        <translation>Sluitkoppel: losbreekkoppel × veiligheidsfactor × sluitfactor</translation>
    </message>
    <message>
        <source>Actuator: the spring-return actuator whose four torques meet the valve's, with its spring set</source>
        <comment>244</comment>
        <translation>Aandrijving: de enkelwerkende aandrijving waarvan de vier koppels die van de afsluiter halen, met haar veerset</translation>
    </message>
    <message>
        <source>Fail Action: FC closes the valve when the air fails, FO opens it</source>
        <comment>245</comment>
        <translation>Faalstand: FC sluit de afsluiter bij uitval van de lucht, FO opent hem</translation>
    </message>
    <message>
        <source>Actuator: the first electric actuator whose break/seat and running torques meet the valve's</source>
        <comment>246</comment>
        <translation>Aandrijving: de eerste elektrische aandrijving waarvan losbreek- en loopkoppel die van de afsluiter halen</translation>
    </message>
    <message>
        <source>Size: the valve size from the database</source>
        <comment>247</comment>
        <translation>Maat: de maat van de afsluiter uit de database</translation>
    </message>
    <message>
        <source>Torque: the valve's break torque from the database</source>
        <comment>248</comment>
        <translation>Koppel: het losbreekkoppel van de afsluiter uit de database</translation>
    </message>
    <message>
        <source>Actuator: the double-acting actuator for this size at the pressure entered</source>
        <comment>249</comment>
        <translation>Aandrijving: de dubbelwerkende aandrijving voor deze maat bij de ingevoerde druk</translation>
    </message>
    <message>
        <source>Actuator: the spring-return actuator for this size, with the spring set beside it</source>
        <comment>250</comment>
        <translation>Aandrijving: de enkelwerkende aandrijving voor deze maat, met de veerset ernaast</translation>
    </message>
    <message>
        <source>Approximate Time: the time of one stroke through the pilot valve</source>
        <comment>251</comment>
        <translation>Ca. slagtijd: de tijd van één slag via het stuurventiel</translation>
    </message>
    <message>
        <source>Operation: the tank as filled, then each stroke made from it</source>
        <comment>252</comment>
        <translation>Slag: het vat zoals gevuld, daarna elke slag eruit</translation>
    </message>
    <message>
        <source>Pressure: the air pressure left in the tank</source>
        <comment>253</comment>
        <translation>Druk: de luchtdruk die in het vat overblijft</translation>
    </message>
    <message>
        <source>Torque: the torque the actuator still delivers at that pressure</source>
        <comment>254</comment>
        <translation>Koppel: het koppel dat de aandrijving bij die druk nog levert</translation>
    </message>
    <message>
        <source>Torque: the torque on the shaft</source>
        <comment>255</comment>
        <translation>Koppel: het koppel op de as</translation>
    </message>
    <message>
        <source>Diameter: the shaft diameter</source>
        <comment>256</comment>
        <translation>Diameter: de asdiameter</translation>
    </message>
    <message>
        <source>Length: the shaft length</source>
        <comment>257</comment>
        <translation>Lengte: de aslengte</translation>
    </message>
    <message>
        <source>Stress: the shear stress at the surface of the shaft</source>
        <comment>258</comment>
        <translation>Spanning: de schuifspanning aan het oppervlak van de as</translation>
    </message>
    <message>
        <source>Deflection: the angle the shaft twists over its length</source>
        <comment>259</comment>
        <translation>Verdraaiing: de hoek waarover de as over zijn lengte verdraait</translation>
    </message>
    <message>
        <source>air</source>
        <comment>260</comment>
        <translation>lucht</translation>
    </message>
    <message>
        <source>spring</source>
        <comment>261</comment>
        <translation>veer</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <comment>262</comment>
        <translation>&amp;Lijst opslaan</translation>
    </message>
    <message>
        <source>Replace the valve list %s with the edited one?</source>
        <comment>263</comment>
        <translation>De afsluiterlijst %s vervangen door de bewerkte lijst?</translation>
    </message>
    <message>
        <source>The list came as a workbook: it is saved as a new workbook of this sheet's cells, without styles or other sheets.</source>
        <comment>264</comment>
        <translation>De lijst kwam als werkmap: ze wordt opgeslagen als nieuwe werkmap met de cellen van dit blad, zonder opmaak of andere bladen.</translation>
    </message>
    <message>
        <source>Edited, not saved yet</source>
        <comment>265</comment>
        <translation>Bewerkt, nog niet opgeslagen</translation>
    </message>
    <message>
        <source>The list has edits that are not saved. Discard them?</source>
        <comment>266</comment>
        <translation>De lijst heeft bewerkingen die niet zijn opgeslagen. Weggooien?</translation>
    </message>
    <message>
        <source>&amp;Recent</source>
        <comment>267</comment>
        <translation>&amp;Recent</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <comment>268</comment>
        <translation>&amp;Werkblad:</translation>
    </message>
    <message>
        <source>Save the edited list as a new workbook</source>
        <comment>269</comment>
        <translation>De bewerkte lijst opslaan als nieuwe werkmap</translation>
    </message>
    <message>
        <source>%s %s does not match this list's %s</source>
        <comment>270</comment>
        <translation>%s %s past niet bij de %s van deze lijst</translation>
    </message>
    <message>
        <source>%s %s is too large a number</source>
        <comment>271</comment>
        <translation>%s %s is een te groot getal</translation>
    </message>
    <message>
        <source>%s %s is not a number</source>
        <comment>272</comment>
        <translation>%s %s is geen getal</translation>
    </message>
    <message>
        <source>%s %s has a unit ('%s'); %s takes none</source>
        <comment>273</comment>
        <translation>%s %s heeft een eenheid ('%s'); %s is zonder eenheid</translation>
    </message>
    <message>
        <source>%s %s: the unit '%s' is not %s</source>
        <comment>274</comment>
        <translation>%s %s: de eenheid '%s' is niet %s</translation>
    </message>
    <message>
        <source>%s empty: %s used (%s)</source>
        <comment>275</comment>
        <translation>%s leeg: %s gebruikt (%s)</translation>
    </message>
    <message>
        <source>%s %s is not above 0</source>
        <comment>276</comment>
        <translation>%s %s is niet groter dan 0</translation>
    </message>
    <message>
        <source>Safety %s is below 1</source>
        <comment>277</comment>
        <translation>Veiligheid %s is kleiner dan 1</translation>
    </message>
    <message>
        <source>the row has %s fields, the header %s</source>
        <comment>278</comment>
        <translation>de regel heeft %s velden, de kopregel %s</translation>
    </message>
    <message>
        <source>tag %s is also on line %s</source>
        <comment>279</comment>
        <translation>tag %s staat ook op regel %s</translation>
    </message>
    <message>
        <source>tag %s is also on lines %s</source>
        <comment>280</comment>
        <translation>tag %s staat ook op regels %s</translation>
    </message>
    <message>
        <source>%s and %s more</source>
        <comment>281</comment>
        <translation>%s en nog %s</translation>
    </message>
    <message>
        <source>Tag is empty</source>
        <comment>282</comment>
        <translation>Tag is leeg</translation>
    </message>
    <message>
        <source>Action %s is not DA, FC or FO</source>
        <comment>283</comment>
        <translation>Faalstand %s is niet DA, FC of FO</translation>
    </message>
    <message>
        <source>an electric actuator has no fail-safe action</source>
        <comment>284</comment>
        <translation>een elektrische aandrijving heeft geen faalstand</translation>
    </message>
    <message>
        <source>Valve type %s is not Ball, Butterfly or Plug</source>
        <comment>285</comment>
        <translation>Type afsluiter %s is niet Ball, Butterfly of Plug</translation>
    </message>
    <message>
        <source>Torque is empty</source>
        <comment>286</comment>
        <translation>Koppel is leeg</translation>
    </message>
    <message>
        <source>Series is empty</source>
        <comment>287</comment>
        <translation>Serie is leeg</translation>
    </message>
    <message>
        <source>Size is empty</source>
        <comment>288</comment>
        <translation>Maat is leeg</translation>
    </message>
    <message>
        <source>Size %s not in series %s</source>
        <comment>289</comment>
        <translation>Maat %s niet in serie %s</translation>
    </message>
    <message>
        <source>series %s</source>
        <comment>290</comment>
        <translation>serie %s</translation>
    </message>
    <message>
        <source>Pressure %s %s is outside %s</source>
        <comment>291</comment>
        <translation>Druk %s %s ligt buiten %s</translation>
    </message>
    <message>
        <source>Torque %s is too large: its demand is beyond any number</source>
        <comment>292</comment>
        <translation>Koppel %s is te groot: de eis ervan overschrijdt elk getal</translation>
    </message>
    <message>
        <source>ok</source>
        <comment>293</comment>
        <translation>ok</translation>
    </message>
    <message>
        <source>no fit</source>
        <comment>294</comment>
        <translation>past niet</translation>
    </message>
    <message>
        <source>no fit: %s</source>
        <comment>295</comment>
        <translation>past niet: %s</translation>
    </message>
    <message>
        <source>built in</source>
        <comment>296</comment>
        <translation>standaard</translation>
    </message>
    <message>
        <source>settings file %s</source>
        <comment>297</comment>
        <translation>instellingenbestand %s</translation>
    </message>
    <message>
        <source>option --pressure</source>
        <comment>298</comment>
        <translation>optie --pressure</translation>
    </message>
    <message>
        <source>ball valve</source>
        <comment>299</comment>
        <translation>kogelkraan</translation>
    </message>
    <message>
        <source>butterfly valve</source>
        <comment>300</comment>
        <translation>vlinderklep</translation>
    </message>
    <message>
        <source>plug valve</source>
        <comment>301</comment>
        <translation>plugkraan</translation>
    </message>
    <message>
        <source>decimal point</source>
        <comment>302</comment>
        <translation>decimale punt</translation>
    </message>
    <message>
        <source>decimal comma</source>
        <comment>303</comment>
        <translation>decimale komma</translation>
    </message>
    <message>
        <source>Series %s: no valve database is in use</source>
        <comment>304</comment>
        <translation>Serie %s: er is geen afsluiterdatabase in gebruik</translation>
    </message>
    <message>
        <source>Series %s is in %s valve databases, %s; a series must be in one</source>
        <comment>305</comment>
        <translation>Serie %s staat in %s afsluiterdatabases, %s; een serie mag maar in één staan</translation>
    </message>
    <message>
        <source>Series %s: the valve database %s does not read cleanly</source>
        <comment>306</comment>
        <translation>Serie %s: de afsluiterdatabase %s is niet foutloos te lezen</translation>
    </message>
    <message>
        <source>Series %s not in the valve database %s</source>
        <comment>307</comment>
        <translation>Serie %s niet in de afsluiterdatabase %s</translation>
    </message>
    <message>
        <source>Series %s not in the valve databases %s</source>
        <comment>308</comment>
        <translation>Serie %s niet in de afsluiterdatabases %s</translation>
    </message>
    <message>
        <source>%s and %s</source>
        <comment>309</comment>
        <translation>%s en %s</translation>
    </message>
    <message>
        <source>%s cut to 32767 characters in this workbook</source>
        <comment>310</comment>
        <translation>%s ingekort tot 32767 tekens in deze werkmap</translation>
    </message>
    <message>
        <source>Tag</source>
        <comment>311</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Action</source>
        <comment>312</comment>
        <translation>Faalstand</translation>
    </message>
    <message>
        <source>Torque</source>
        <comment>313</comment>
        <translation>Koppel</translation>
    </message>
    <message>
        <source>Series</source>
        <comment>314</comment>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>315</comment>
        <translation>Maat</translation>
    </message>
    <message>
        <source>Valve type</source>
        <comment>316</comment>
        <translation>Type afsluiter</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>317</comment>
        <translation>Veiligheid</translation>
    </message>
    <message>
        <source>Seating</source>
        <comment>318</comment>
        <translation>Sluitfactor</translation>
    </message>
    <message>
        <source>Running</source>
        <comment>319</comment>
        <translation>Loopfactor</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>320</comment>
        <translation>Druk</translation>
    </message>
    <message>
        <source>Ball</source>
        <comment>321</comment>
        <translation>Kogel</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <comment>322</comment>
        <translation>Vlinder</translation>
    </message>
    <message>
        <source>Plug</source>
        <comment>323</comment>
        <translation>Plug</translation>
    </message>
    <message>
        <source>Pressure used</source>
        <comment>324</comment>
        <translation>Gebruikte druk</translation>
    </message>
    <message>
        <source>Valve type used</source>
        <comment>325</comment>
        <translation>Gebruikt afsluitertype</translation>
    </message>
    <message>
        <source>Safety used</source>
        <comment>326</comment>
        <translation>Gebruikte veiligheid</translation>
    </message>
    <message>
        <source>Seating used</source>
        <comment>327</comment>
        <translation>Gebruikte sluitfactor</translation>
    </message>
    <message>
        <source>Running used</source>
        <comment>328</comment>
        <translation>Gebruikte loopfactor</translation>
    </message>
    <message>
        <source>Break</source>
        <comment>329</comment>
        <translation>Losbreek</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>330</comment>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Seat</source>
        <comment>331</comment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Actuator</source>
        <comment>332</comment>
        <translation>Aandrijving</translation>
    </message>
    <message>
        <source>Spring set</source>
        <comment>333</comment>
        <translation>Veerset</translation>
    </message>
    <message>
        <source>Air start</source>
        <comment>334</comment>
        <translation>Lucht begin</translation>
    </message>
    <message>
        <source>Air end</source>
        <comment>335</comment>
        <translation>Lucht eind</translation>
    </message>
    <message>
        <source>Spring start</source>
        <comment>336</comment>
        <translation>Veer begin</translation>
    </message>
    <message>
        <source>Spring end</source>
        <comment>337</comment>
        <translation>Veer eind</translation>
    </message>
    <message>
        <source>Output</source>
        <comment>338</comment>
        <translation>Afgifte</translation>
    </message>
    <message>
        <source>Break/Seat</source>
        <comment>339</comment>
        <translation>Losbreek/sluiten</translation>
    </message>
    <message>
        <source>Actuator run</source>
        <comment>340</comment>
        <translation>Loop aandrijving</translation>
    </message>
    <message>
        <source>Margin</source>
        <comment>341</comment>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>342</comment>
        <translation>Waarschuwingen</translation>
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
        <translation>Druk max</translation>
    </message>
    <message>
        <source>Cycles per hour</source>
        <comment>346</comment>
        <translation>Cycli per uur</translation>
    </message>
    <message>
        <source>Kv</source>
        <comment>347</comment>
        <translation>Kv</translation>
    </message>
    <message>
        <source>Stroke time max</source>
        <comment>348</comment>
        <translation>Looptijd max</translation>
    </message>
    <message>
        <source>Max output</source>
        <comment>349</comment>
        <translation>Max. afgifte</translation>
    </message>
    <message>
        <source>MAST margin</source>
        <comment>350</comment>
        <translation>MAST-marge</translation>
    </message>
    <message>
        <source>Air per cycle</source>
        <comment>351</comment>
        <translation>Lucht per cyclus</translation>
    </message>
    <message>
        <source>Air per hour</source>
        <comment>352</comment>
        <translation>Lucht per uur</translation>
    </message>
    <message>
        <source>Stroke time [s]</source>
        <comment>353</comment>
        <translation>Looptijd [s]</translation>
    </message>
    <message>
        <source>check failed: %s</source>
        <comment>354</comment>
        <translation>controle mislukt: %s</translation>
    </message>
    <message>
        <source>%s delivers %s at %s, above the valve's MAST of %s</source>
        <comment>355</comment>
        <translation>%s levert %s bij %s, boven het MAST van de afsluiter van %s</translation>
    </message>
    <message>
        <source>%s delivers %s, above the valve's MAST of %s</source>
        <comment>356</comment>
        <translation>%s levert %s, boven het MAST van de afsluiter van %s</translation>
    </message>
    <message>
        <source>%s strokes in %s s, slower than the Stroke time max of %s s</source>
        <comment>357</comment>
        <translation>%s loopt in %s s, trager dan de looptijd max van %s s</translation>
    </message>
    <message>
        <source>Pressure max %s %s is outside %s</source>
        <comment>358</comment>
        <translation>Druk max %s %s ligt buiten %s</translation>
    </message>
    <message>
        <source>Pressure max %s is below the sizing pressure %s</source>
        <comment>359</comment>
        <translation>Druk max %s ligt onder de dimensioneringsdruk %s</translation>
    </message>
    <message>
        <source>the row's Pressure</source>
        <comment>360</comment>
        <translation>de druk van de regel</translation>
    </message>
    <message>
        <source>Stroke time max %s s not checked: the row gives no Kv</source>
        <comment>361</comment>
        <translation>Looptijd max %s s niet gecontroleerd: de regel geeft geen Kv</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment>362</comment>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Section</source>
        <comment>363</comment>
        <translation>Onderdeel</translation>
    </message>
    <message>
        <source>Item</source>
        <comment>364</comment>
        <translation>Post</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>365</comment>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>366</comment>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Bill of materials</source>
        <comment>367</comment>
        <translation>Stuklijst</translation>
    </message>
    <message>
        <source>Rows</source>
        <comment>368</comment>
        <translation>Regels</translation>
    </message>
    <message>
        <source>check failed</source>
        <comment>369</comment>
        <translation>controle mislukt</translation>
    </message>
    <message>
        <source>error</source>
        <comment>370</comment>
        <translation>fout</translation>
    </message>
    <message>
        <source>with warnings</source>
        <comment>371</comment>
        <translation>met waarschuwingen</translation>
    </message>
    <message>
        <source>Air</source>
        <comment>372</comment>
        <translation>Lucht</translation>
    </message>
    <message>
        <source>Margins</source>
        <comment>373</comment>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Smallest margin</source>
        <comment>374</comment>
        <translation>Kleinste marge</translation>
    </message>
    <message>
        <source>Smallest MAST margin</source>
        <comment>375</comment>
        <translation>Kleinste MAST-marge</translation>
    </message>
    <message>
        <source>There was an error during reading the Valve File. The file could not be opened or the file is not available.</source>
        <comment>500</comment>
        <translation>Fout bij het lezen van het afsluiterbestand. Het bestand kon niet worden geopend of is niet aanwezig.</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <comment>501</comment>
        <translation>Datablad</translation>
    </message>
    <message>
        <source>MAST %s</source>
        <comment>380</comment>
        <translation>MAST %s</translation>
    </message>
    <message>
        <source>Air at %s</source>
        <comment>381</comment>
        <translation>Lucht bij %s</translation>
    </message>
    <message>
        <source>Datasheet package</source>
        <comment>382</comment>
        <translation>Datasheetpakket</translation>
    </message>
    <message>
        <source>Project</source>
        <comment>383</comment>
        <translation>Project</translation>
    </message>
    <message>
        <source>Customer</source>
        <comment>384</comment>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>385</comment>
        <translation>Document</translation>
    </message>
    <message>
        <source>Revision</source>
        <comment>386</comment>
        <translation>Revisie</translation>
    </message>
    <message>
        <source>Engineer</source>
        <comment>387</comment>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>388</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <comment>389</comment>
        <translation>Pagina %s van %s</translation>
    </message>
    <message>
        <source>Valve</source>
        <comment>390</comment>
        <translation>Afsluiter</translation>
    </message>
    <message>
        <source>Operating conditions</source>
        <comment>391</comment>
        <translation>Bedrijfscondities</translation>
    </message>
    <message>
        <source>Selection</source>
        <comment>392</comment>
        <translation>Keuze</translation>
    </message>
    <message>
        <source>Torques</source>
        <comment>393</comment>
        <translation>Koppels</translation>
    </message>
    <message>
        <source>Checks</source>
        <comment>394</comment>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Torque chart</source>
        <comment>395</comment>
        <translation>Koppeldiagram</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>396</comment>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Not sized</source>
        <comment>397</comment>
        <translation>Niet gedimensioneerd</translation>
    </message>
    <message>
        <source>Pass</source>
        <comment>398</comment>
        <translation>Voldoet</translation>
    </message>
    <message>
        <source>Fail</source>
        <comment>399</comment>
        <translation>Voldoet niet</translation>
    </message>
    <message>
        <source>Not checked</source>
        <comment>400</comment>
        <translation>Niet gecontroleerd</translation>
    </message>
    <message>
        <source>Point</source>
        <comment>401</comment>
        <translation>Punt</translation>
    </message>
    <message>
        <source>Demand [%s]</source>
        <comment>402</comment>
        <translation>Vraag [%s]</translation>
    </message>
    <message>
        <source>Delivered [%s]</source>
        <comment>403</comment>
        <translation>Geleverd [%s]</translation>
    </message>
    <message>
        <source>Sizing pressure</source>
        <comment>404</comment>
        <translation>Dimensioneringsdruk</translation>
    </message>
    <message>
        <source>Maximum pressure</source>
        <comment>405</comment>
        <translation>Maximale druk</translation>
    </message>
    <message>
        <source>Stroke time</source>
        <comment>406</comment>
        <translation>Looptijd</translation>
    </message>
    <message>
        <source>List</source>
        <comment>407</comment>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Rows by status</source>
        <comment>409</comment>
        <translation>Regels per status</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <comment>410</comment>
        <translation>Aannamen</translation>
    </message>
    <message>
        <source>Page</source>
        <comment>411</comment>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Count</source>
        <comment>412</comment>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>%s valves of %s</source>
        <comment>413</comment>
        <translation>%s afsluiters van %s</translation>
    </message>
    <message>
        <source>%s at %s</source>
        <comment>414</comment>
        <translation>%s bij %s</translation>
    </message>
    <message>
        <source>Weakest margin</source>
        <comment>415</comment>
        <translation>Kleinste marge</translation>
    </message>
    <message>
        <source>%s more</source>
        <comment>416</comment>
        <translation>nog %s</translation>
    </message>
    <message>
        <source>Actuator range</source>
        <comment>417</comment>
        <translation>Aandrijvingsreeks</translation>
    </message>
    <message>
        <source>Valve databases</source>
        <comment>418</comment>
        <translation>Afsluiterdatabases</translation>
    </message>
    <message>
        <source>Kv value should be greater than zero !</source>
        <comment>600</comment>
        <translation>De Kv-waarde moet groter dan nul zijn!</translation>
    </message>
    <message>
        <source>Actuator Sizing</source>
        <comment>601</comment>
        <translation>Dimensionering aandrijving</translation>
    </message>
    <message>
        <source>Access About</source>
        <comment>2008</comment>
        <translation>Info openen</translation>
    </message>
    <message>
        <source>About the Sizing &amp; Engineering application</source>
        <comment>2009</comment>
        <translation>Over het programma Dimensionering &amp; Techniek</translation>
    </message>
    <message>
        <source>Enter the double acting torque screen</source>
        <comment>10101</comment>
        <translation>Opent het scherm koppel dubbelwerkend</translation>
    </message>
    <message>
        <source>Enter the spring return torque screen</source>
        <comment>10102</comment>
        <translation>Opent het scherm koppel enkelwerkend</translation>
    </message>
    <message>
        <source>Enter the double acting sizing screen</source>
        <comment>10103</comment>
        <translation>Opent het scherm dimensionering dubbelwerkend</translation>
    </message>
    <message>
        <source>Enter the spring return sizing screen</source>
        <comment>10104</comment>
        <translation>Opent het scherm dimensionering enkelwerkend</translation>
    </message>
    <message>
        <source>Enter the database sizing screen</source>
        <comment>10106</comment>
        <translation>Opent het scherm dimensionering uit de database</translation>
    </message>
    <message>
        <source>Edit the valve torque database</source>
        <comment>10107</comment>
        <translation>Bewerkt de database met afsluiterkoppels</translation>
    </message>
    <message>
        <source>Calculation of the distance for hotline actuators</source>
        <comment>10108</comment>
        <translation>Berekening van de afstand voor aandrijvingen op hete leidingen</translation>
    </message>
    <message>
        <source>Calulation of the actuator speed</source>
        <comment>10109</comment>
        <translation>Berekening van de slagtijd van de aandrijving</translation>
    </message>
    <message>
        <source>Calculation for airtank capacity</source>
        <comment>10110</comment>
        <translation>Berekening van de capaciteit van het luchtvat</translation>
    </message>
    <message>
        <source>Calculation for torsion</source>
        <comment>10111</comment>
        <translation>Berekening van de torsie</translation>
    </message>
    <message>
        <source>Changes the note which is printed in the datasheet</source>
        <comment>10113</comment>
        <translation>Wijzigt de notitie die op het datablad wordt afgedrukt</translation>
    </message>
    <message>
        <source>Application Setup of standard settings</source>
        <comment>10114</comment>
        <translation>Instellen van de standaardinstellingen van het programma</translation>
    </message>
    <message>
        <source>Size every valve of a valve list, then export it or make its datasheets</source>
        <comment>10124</comment>
        <translation>Dimensioneert elke afsluiter van een afsluiterlijst, om die te exporteren of er databladen van te maken</translation>
    </message>
    <message>
        <source>Enter the actuator sizing screen</source>
        <comment>10401</comment>
        <translation>Opent het scherm dimensionering aandrijving</translation>
    </message>
    <message>
        <source>Enter the database sizing screen</source>
        <comment>10402</comment>
        <translation>Opent het scherm dimensionering uit de database</translation>
    </message>
    <message>
        <source>Edit the valve torque database</source>
        <comment>10403</comment>
        <translation>Bewerkt de database met afsluiterkoppels</translation>
    </message>
    <message>
        <source>Size every valve of a valve list, then export it or make its datasheets</source>
        <comment>10404</comment>
        <translation>Dimensioneert elke afsluiter van een afsluiterlijst, om die te exporteren of er databladen van te maken</translation>
    </message>
    <message>
        <source>Quits Sizing &amp; Engineering</source>
        <comment>24310</comment>
        <translation>Sluit het programma Dimensionering &amp; Techniek af</translation>
    </message>
    <message>
        <source>Setup this document print characteristics</source>
        <comment>24338</comment>
        <translation>Stelt de afdrukeigenschappen van dit document in</translation>
    </message>
</context>
<context>
    <name>VnMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Notitie</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Printerinstellingen...</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Afsluiten	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>&amp;Omrekeningen</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>&amp;Druk</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>&amp;Koppel</translation>
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
        <translation>&amp;Lengte</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Gewicht</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Temperatuur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Gebruikershandleiding	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>&amp;Sizing</source>
        <translation>&amp;Dimensionering</translation>
    </message>
    <message>
        <source>&amp;Actuator Sizing</source>
        <translation>&amp;Dimensionering aandrijving</translation>
    </message>
    <message>
        <source>&amp;Valve List...</source>
        <translation>&amp;Afsluiterlijst...</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>D&amp;atabase</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Engineering</source>
        <translation>&amp;Techniek</translation>
    </message>
    <message>
        <source>&amp;Hot Line Actuators</source>
        <translation>Aandrijvingen op &amp;hete leidingen</translation>
    </message>
    <message>
        <source>&amp;Torsion</source>
        <translation>&amp;Torsie</translation>
    </message>
    <message>
        <source>&amp;Double Acting</source>
        <translation>&amp;Dubbelwerkend</translation>
    </message>
    <message>
        <source>&amp;Spring Return</source>
        <translation>&amp;Enkelwerkend</translation>
    </message>
    <message>
        <source>&amp;Actuator Speed</source>
        <translation>&amp;Snelheid aandrijving</translation>
    </message>
    <message>
        <source>Air Tank &amp;Capacity</source>
        <translation>&amp;Capaciteit luchtvat</translation>
    </message>
</context>
<context>
    <name>VnVersion</name>
    <message>
        <source>ProductNameKAV</source>
        <translation>Varnox Pneumatische aandrijvingen</translation>
    </message>
    <message>
        <source>ProductVersionKAV</source>
        <translation>(Nederlands)</translation>
    </message>
    <message>
        <source>ProductNameQU</source>
        <translation>Varnox Elektrische aandrijvingen</translation>
    </message>
    <message>
        <source>ProductVersionQU</source>
        <translation>(Nederlands)</translation>
    </message>
    <message>
        <source>LegalCopyright</source>
        <translation>Copyright © 2026 Varnox Engineering. Alle rechten voorbehouden.</translation>
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
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Niet opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
</TS>
