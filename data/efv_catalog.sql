-- The EFV models the program offers. Flows are in kBTU per hour and pressure
-- drops in inches of water column, the units of the project document; the
-- unit columns are carried along for the reader. Row order is the order of
-- the model list; the fifth row is the model a new EFV starts with.
-- ID carries no index: with one, "SELECT ID" would answer in the index's
-- order and the model list would no longer follow the rows. The program
-- refuses a catalogue whose IDs repeat.
CREATE TABLE EFV_Parameters (
  ID TEXT NOT NULL,
  model TEXT,
  operating_pres REAL,
  operating_pres_unit TEXT,
  flow_unit TEXT,
  normal_flow REAL,
  normal_pres_drop REAL,
  pres_drop_unit TEXT,
  trip_flow REAL,
  trip_pres_drop REAL
);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-40',  'FlowGuard 40',  7,   'in WC', 'kBTU/h',  28,   0.24, 'in WC',  40,  0.62);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-70',  'FlowGuard 70',  7,   'in WC', 'kBTU/h',  50,   0.22, 'in WC',  70,  0.66);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-100', 'FlowGuard 100', 7,   'in WC', 'kBTU/h',  72,   0.20, 'in WC', 100,  0.71);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-135', 'FlowGuard 135', 7,   'in WC', 'kBTU/h',  95,   0.20, 'in WC', 135,  0.78);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-200', 'FlowGuard 200', 7,   'in WC', 'kBTU/h', 140,   0.18, 'in WC', 200,  0.85);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-270', 'FlowGuard 270', 7,   'in WC', 'kBTU/h', 185,   0.18, 'in WC', 270,  0.96);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-350', 'FlowGuard 350', 7,   'in WC', 'kBTU/h', 245,   0.16, 'in WC', 350,  1.05);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-450', 'FlowGuard 450', 2,   'psi',   'kBTU/h', 315,   0.15, 'in WC', 450,  1.15);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-600', 'FlowGuard 600', 2,   'psi',   'kBTU/h', 420,   0.14, 'in WC', 600,  1.30);
INSERT INTO EFV_Parameters VALUES ('CV-EFV-800', 'FlowGuard 800', 5,   'psi',   'kBTU/h', 560,   0.12, 'in WC', 800,  1.48);
